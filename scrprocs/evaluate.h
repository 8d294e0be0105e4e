#ifndef LINEWRIGHT_SCRPROCS_EVALUATE_H
#define LINEWRIGHT_SCRPROCS_EVALUATE_H

#include <cstddef>
#include <string>
#include <string_view>

// Capacity (characters) of one evaluated parameter inside a text.
constexpr std::size_t kScrParameterMax = 259;

// Evaluates a script text: ordinary characters are copied, every directive
// that yields a value (#rnd, #value, #add, ...) is replaced by its result,
// its own parameters evaluated the same way. Directives without a value
// (#if, #setvalue, #include, ...) and a "#" that starts no directive are
// copied unchanged. `out` is cleared first and receives at most `capacity`
// characters; evaluation stops once it is full. A lookup that fails (value,
// word or set not found) is reported and ends the evaluation of this text,
// leaving what `out` held so far.
void EvaluateScrText(std::string_view in, std::string* out, std::size_t capacity);

// The same on C strings: `out` has room for `size` bytes, terminator
// included.
void ParseScrParameter(char* out, const char* in, int size);

// A number as the script writes it: "%f" with trailing zeros (and a bare
// point) removed. Negative zero is written "0"; so is a value that is not
// finite (a division by zero), so that the route always gets a number.
std::string FormatScrNumber(double value);

// A random whole number from the smaller to the larger of a and b, both
// included: lo + draw mod (hi - lo + 1), computed in 64 bits. Ranges of up
// to 32768 values take one draw; wider ones combine two (r1 << 15 | r2).
long long ScrRandomBetween(long long a, long long b);

#endif
