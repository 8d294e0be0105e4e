#ifndef LINEWRIGHT_RTE2INT_INTERMEDIATE_H
#define LINEWRIGHT_RTE2INT_INTERMEDIATE_H

#include <string>
#include <string_view>
#include <vector>

// Reading lines of the intermediate file: a command byte (index + 32), then
// length-prefixed fields, then CR LF.

// The command index of a line: its first byte, read unsigned, minus 32.
// An empty line gives -32, which names no command.
int IntermediateCommand(std::string_view line);

// Calls `take` with each field of a line, in order. Reading starts at the
// second byte and stops at byte 0, CR, LF or the end of `line`; a field
// never reaches past the end of `line`. The views point into `line`.
template <typename Take>
void ForEachIntermediateField(std::string_view line, Take take) {
  size_t p = 1;
  while (p < line.size()) {
    unsigned char c = static_cast<unsigned char>(line[p]);
    if (c == 0 || c == '\r' || c == '\n') break;
    size_t n;
    if (c == 31) {
      if (p + 2 >= line.size()) break;
      long long length = (static_cast<unsigned char>(line[p + 1]) - 32LL) * 222 +
                         (static_cast<unsigned char>(line[p + 2]) - 32LL);
      n = length < 0 ? 0 : static_cast<size_t>(length);
      p += 3;
    } else {
      n = c < 32 ? 0 : c - 32u;
      p += 1;
    }
    if (n > line.size() - p) n = line.size() - p;
    take(line.substr(p, n));
    p += n;
  }
}

// The fields of a line, in order, as ForEachIntermediateField reads them.
std::vector<std::string_view> IntermediateFields(std::string_view line);
// The same into `fields` (emptied first), so that a reader going through
// many lines reuses one vector.
void IntermediateFields(std::string_view line, std::vector<std::string_view>* fields);

// Field k (from 0) with atoi / atof rules on the text, `def` when the line
// has no such field. FieldFloat keeps track offsets finite: NaN reads as
// 0, and values beyond +-3e38 as +-3e38.
int FieldInt(const std::vector<std::string_view>& fields, size_t k, int def);
float FieldFloat(const std::vector<std::string_view>& fields, size_t k, float def);
// Field k (from 0) scanned with "%f" the way GetCmdParameter reads it: 0
// when the line has no such field or the field starts with no number.
float FieldScanned(const std::vector<std::string_view>& fields, size_t k);

#endif
