#ifndef LINEWRIGHT_UI_CLEANTEXT_H
#define LINEWRIGHT_UI_CLEANTEXT_H

#include <string>
#include <string_view>

// Turns a text from a route or a signal system's description into text a
// text field can show: LF becomes CR LF; CR becomes CR LF when line breaks
// are kept; the simulator's escapes "$chr(NN)" become a line break (13,
// or a blank when line breaks are not kept), a comma (44) or nothing
// (any other code); a "$" with at least seven characters after it that is
// not such an escape is dropped. `size` is the size of the buffer the text
// is meant for: conversions stop once size - 3 characters are written and
// the text ends once more than size - 3 are, so the result never needs
// more than `size` bytes with its terminator.
std::string CleanText(std::string_view text, int size, bool keepLineBreaks);

#endif
