#ifndef LINEWRIGHT_RTE2INT_PATTERNWALK_H
#define LINEWRIGHT_RTE2INT_PATTERNWALK_H

#include "core/BufFile.h"

// The pattern language of the route command tables, walked the plain way:
// one input character at a time, each offered to the current pattern
// character. This is the reference the recognizer's compiled patterns
// must reproduce exactly.

// The input as the pattern walk sees it: getchar()'s value with A..Z
// lowered. -1 is the end of the input (a byte 0xFF reads the same way).
constexpr int kEndOfInput = -1;

// Pattern bytes with a meaning of their own.
constexpr char kOptionalSpace = '\xA3';
constexpr char kItemEnd = '\xA7';

inline int LowerInput(int c) { return (c >= 'A' && c <= 'Z') ? c + 32 : c; }
inline bool IsBlank(int c) { return c == ' ' || c == '\t'; }
inline bool IsLineEnd(int c) { return c == '\r' || c == '\n' || c == 0 || c == kEndOfInput; }
inline bool IsNumberChar(int c) { return (c >= '0' && c <= '9') || c == '-' || c == '.'; }

// Reads the content of a buffered file the way its getchar() does, without
// a call per character: 0 before the first byte, -1 (without moving) at the
// end, every byte as a signed value, and nothing at all in write mode.
struct PatternInput {
  const char* data;
  int length;
  bool readable;
  int pos;

  explicit PatternInput(const BufferedFile* file)
      : data(file->content()),
        length(file->size()),
        readable(file->readmode()),
        pos(file->getpos()) {}
  int Get() {
    if (!readable) return kEndOfInput;
    if (pos < 0) {
      pos = 0;
      return 0;
    }
    if (pos >= length) return kEndOfInput;
    return static_cast<signed char>(data[pos++]);
  }
};

// Whether `p`, the pattern character after a '*', counts as a class
// character for the end test of the '*': only when at least two pattern
// characters follow the '*'.
bool IsClassAfterStar(char p, int followingCount);

// Walks `pattern` (len characters) from input position `start`. True on a
// match, with the input at the terminator; `params` (room for
// kRecognizerParamsSize bytes) holds what the placeholders collected.
bool WalkPattern(PatternInput& in, const char* pattern, int len, int start, char* params);

// Whether the pattern gets past the input characters `first` and `second`
// (the next two reads, lowered; `second` < -128: only the first is looked
// at) without failing. The walk over the first characters depends on
// nothing else, so a pattern for which this is false can never match where
// the input starts with them.
bool SurvivesStart(const char* pattern, int first, int second);

#endif
