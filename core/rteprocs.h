#ifndef LINEWRIGHT_CORE_RTEPROCS_H
#define LINEWRIGHT_CORE_RTEPROCS_H

#include <string_view>

// Small helpers every stage shares: the error box, the run log, and text
// utilities that work in place on NUL-terminated arrays.

// Shows an error to the user (caption "Error") through the current message
// sink. With a detail the text is "message\n\ndetail". Always returns true.
bool ErrorMessage(const char* message, const char* detail);
// Appends "text\n" to "log.txt" in the working folder; silent on failure.
void log(const char* text);
// Removes LF, CR, TAB, blank and 0xFF (IsTrimmedChar) from both ends.
void Trim(char* text);
// Trims `text` in place, then tells whether it is a plain decimal number:
// an optional leading minus, digits, at most one decimal point.
bool IsNumber(char* text);
// Removes trailing zeros after a decimal point, and the point if nothing
// is left after it. The first character is never examined.
void CropFloat(char* text);
// True when `path` names an existing file that can be opened for reading.
bool FileExists(const char* path);
// Appends one character; the caller guarantees the room.
void StrCatChar(char* text, char c);

// Locale-independent character classes for bytes of any value.
inline bool IsAsciiDigit(int c) { return c >= '0' && c <= '9'; }
inline char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }
inline bool IsTrimmedChar(char c) {
  unsigned char u = static_cast<unsigned char>(c);
  return u == '\n' || u == '\r' || u == '\t' || u == ' ' || u == 0xFF;
}
// Equality of two texts with A..Z and a..z taken as the same letters.
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

#endif
