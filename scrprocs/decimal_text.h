#ifndef LINEWRIGHT_SCRPROCS_DECIMAL_TEXT_H
#define LINEWRIGHT_SCRPROCS_DECIMAL_TEXT_H

#include <string>
#include <string_view>

// Decimal numbers kept as text, so that a track position moved by an
// offset comes out exact ("025" + "100" is "125", "0.1" + "0.2" is "0.3")
// whatever its length.

// An optional "-", then digits with at most one "." among them; at least
// one digit.
bool IsDecimalText(std::string_view text);

// True for a decimal text whose digits are all 0 ("0", "-0.00").
bool IsZeroDecimalText(std::string_view text);

// The exact sum of two texts that pass IsDecimalText, written without
// leading zeros (one "0" before a point), without trailing zeros after the
// point and without a bare point; a zero sum is "0".
std::string AddDecimalTexts(std::string_view a, std::string_view b);

#endif
