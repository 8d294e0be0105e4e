#ifndef LINEWRIGHT_RTE2INT_RECOGNIZER_H
#define LINEWRIGHT_RTE2INT_RECOGNIZER_H

#include "core/BufFile.h"
#include "core/Stack.h"
#include "core/mheader.h"

// Capacity of the parameter text the recognizer fills (terminator included).
constexpr int kRecognizerParamsSize = kCommandParamsSize;

// Recognises the route command at the current position of `file`, called
// right after the caller read a character with getchar(): matching begins
// with that character. Tries the patterns first..last of csvcom (csv true)
// or rwcom in index order and returns the first index that matches, with
// the collected parameters in `params` (room for kRecognizerParamsSize
// bytes). The next getchar() then returns the command's terminator. On no
// match returns -3 and restores the position.
int GetNextCommand(BufferedFile* file, bool csv, char* params, int first, int last);
// What route reading tries at a character other than ".": csvcom entries
// csvFirst..csvLast and, when none of them matches, rwcom entries
// rwFirst..rwLast, as two GetNextCommand calls would; `csv` tells which
// table the match is from.
int GetNextCommandInEither(BufferedFile* file, char* params, int csvFirst, int csvLast, int rwFirst,
                           int rwLast, bool* csv);
// The same scan as the plain pattern walk: every pattern of the range in
// turn, character by character, without the start index and the compiled
// patterns GetNextCommand uses. Its results are the reference those must
// reproduce exactly.
int GetNextCommandUnindexed(BufferedFile* file, bool csv, char* params, int first, int last);

// The k-th field (from 1) of an intermediate line as a number; 0 when it is
// absent or not a number.
float GetCmdParameter(const char* line, int k);
// The k-th field's text into `out` (room for kRecognizerParamsSize bytes);
// empty when absent.
void GetCmdParameter_privatecall(const char* line, int k, char* out);

// Splits a parameter text at every ";" and "," (and every 510 characters)
// into strings, first piece on top.
void SiftParameters(const char* params, Stack* out);

// Appends one intermediate line: the byte index + 32, the encoded fields of
// `params`, CR LF. Nothing at all for index -3. `params` is trimmed in place.
void WriteCommand(BufferedFile* out, int index, char* params);
// Appends the length-prefixed fields of a parameter text.
void WriteParameters(BufferedFile* out, char* params);

#endif
