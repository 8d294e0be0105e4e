#ifndef LINEWRIGHT_UI_DISPLAY_TEXT_H
#define LINEWRIGHT_UI_DISPLAY_TEXT_H

#include <string>
#include <string_view>

// A text read from the simulator's files, made ready for a text field:
// UTF-8 stays as it is, anything else is read as Windows-1250 (the
// Central European code page Hungarian route files are written in), and
// line breaks (CR LF, CR, LF) become LF.
std::string DisplayText(std::string_view bytes);

#endif
