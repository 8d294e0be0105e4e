#ifndef LINEWRIGHT_CORE_NUMTEXT_H
#define LINEWRIGHT_CORE_NUMTEXT_H

#include <string_view>

// Numbers read from and written as text the way the C library does it,
// with the library's exact results, but without its cost for the plain
// decimals routes are made of ("25", "-3.8", "0.010"): those are converted
// directly, everything else (blanks in front, exponents, hexadecimal,
// "inf", very long digit strings) by the library itself.

// strtoll rules (leading white space, optional sign, digits; 0 when there
// are none), saturated to the int range.
int TextToInt(const char* s);
int TextToInt(std::string_view s);
// strtod rules: the leading number of the text, 0 when there is none.
double TextToDouble(const char* s);
double TextToDouble(std::string_view s);
// sscanf's "%f": the leading number of the text as a float; false (and
// `value` untouched) when the text starts with no number.
bool ScanFloat(std::string_view s, float* value);

// Room for any text FormatInt or FormatFloat writes, terminator included.
constexpr int kNumberTextSize = 64;
// printf's "%d" into `dest`; returns the length written.
int FormatInt(int value, char* dest);
// printf's "%.Nf" of a float into `dest` with N = `decimals` (0 to 6;
// "%f" is six); returns the length.
int FormatFloat(float value, char* dest, int decimals = 6);

#endif
