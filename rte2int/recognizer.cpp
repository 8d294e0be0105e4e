#include "rte2int/recognizer.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "core/StackEntry.h"
#include "core/TextBatch.h"
#include "core/rteprocs.h"
#include "rte2int/commands.h"
#include "rte2int/compiledpattern.h"
#include "rte2int/intermediate.h"

namespace {

constexpr int kMaxParamChars = kRecognizerParamsSize - 1;

}  // namespace

int GetNextCommand(BufferedFile* file, bool csv, char* params, int first, int last) {
  if (file == nullptr || params == nullptr) return kCmdNone;
  params[0] = '\0';
  const int start = file->getpos() - 1;
  PatternInput in(file);
  int index = RecognizeCompiled(csv, in, start, params, first, last);
  if (index != kCmdNone) {
    file->setpos(in.pos, 0);
    return index;
  }
  file->setpos(start + 1, 0);
  return kCmdNone;
}

int GetNextCommandInEither(BufferedFile* file, char* params, int csvFirst, int csvLast, int rwFirst,
                           int rwLast, bool* csv) {
  if (file == nullptr || params == nullptr || csv == nullptr) return kCmdNone;
  params[0] = '\0';
  const int start = file->getpos() - 1;
  PatternInput in(file);
  for (bool table : {true, false}) {
    int index = RecognizeCompiled(table, in, start, params, table ? csvFirst : rwFirst,
                                  table ? csvLast : rwLast);
    if (index != kCmdNone) {
      *csv = table;
      file->setpos(in.pos, 0);
      return index;
    }
  }
  file->setpos(start + 1, 0);
  return kCmdNone;
}

int GetNextCommandUnindexed(BufferedFile* file, bool csv, char* params, int first, int last) {
  if (file == nullptr || params == nullptr) return kCmdNone;
  params[0] = '\0';
  const int start = file->getpos() - 1;
  PatternInput in(file);
  const char(*table)[kCommandFieldSize] = csv ? csvcom : rwcom;
  for (int index = std::max(first, 0); index <= std::min(last, kCommandCount - 1); ++index) {
    const char* pattern = table[index];
    if (pattern[0] == '\0') continue;
    if (WalkPattern(in, pattern, static_cast<int>(std::strlen(pattern)), start, params)) {
      file->setpos(in.pos, 0);
      return index;
    }
  }
  file->setpos(start + 1, 0);
  return kCmdNone;
}

void SiftParameters(const char* params, Stack* out) {
  if (out == nullptr) return;
  const char* p = params ? params : "";
  const char* piece = p;
  for (;; ++p) {
    char c = *p;
    if (c == ';' || c == ',' || c == '\0') {
      out->Push(std::string_view(piece, static_cast<size_t>(p - piece)));
      if (c == '\0') break;
      piece = p + 1;
      continue;
    }
    // A piece that is full goes out as it is; the character starts the
    // next one, so nothing is lost.
    if (p - piece == kPieceSize) {
      out->Push(std::string_view(piece, static_cast<size_t>(kPieceSize)));
      piece = p;
    }
  }
  out->Invert();
}

namespace {

// Field k (from 1) of an intermediate line; false when it has fewer fields.
bool FindField(const char* line, int k, std::string_view* field) {
  if (line == nullptr || k < 1) return false;
  std::vector<std::string_view> fields = IntermediateFields(line);
  if (static_cast<size_t>(k) > fields.size()) return false;
  *field = fields[static_cast<size_t>(k) - 1];
  return true;
}

}  // namespace

void GetCmdParameter_privatecall(const char* line, int k, char* out) {
  if (out == nullptr) return;
  out[0] = '\0';
  std::string_view field;
  if (!FindField(line, k, &field)) return;
  size_t length = std::min(field.size(), static_cast<size_t>(kMaxParamChars));
  std::memcpy(out, field.data(), length);
  out[length] = '\0';
}

float GetCmdParameter(const char* line, int k) {
  if (line == nullptr || k < 1) return 0;
  return FieldScanned(IntermediateFields(line), static_cast<size_t>(k) - 1);
}

namespace {

// The longest field the three-byte prefix can describe.
constexpr int kMaxFieldLength = (255 - 32) * 222 + 221;

void AddField(TextBatch* line, const char* begin, const char* end) {
  while (begin < end && IsTrimmedChar(*begin)) ++begin;
  while (end > begin && IsTrimmedChar(end[-1])) --end;
  int n = static_cast<int>(end - begin);
  if (n > kMaxFieldLength) n = kMaxFieldLength;
  if (n < 222) {
    line->Add(static_cast<char>(n + 32));
  } else {
    line->Add(static_cast<char>(31));
    line->Add(static_cast<char>(n / 222 + 32));
    line->Add(static_cast<char>(n % 222 + 32));
  }
  line->Add(std::string_view(begin, static_cast<size_t>(n)));
}

// The fields of a parameter text, after trimming it in place.
void AddParameters(TextBatch* line, char* params) {
  if (params == nullptr || params[0] == '\0') return;
  Trim(params);
  const char* pieceStart = params;
  for (const char* p = params;; ++p) {
    if (*p == ';' || *p == ',' || *p == '\0') {
      AddField(line, pieceStart, p);
      if (*p == '\0') break;
      pieceStart = p + 1;
    }
  }
}

}  // namespace

void WriteParameters(BufferedFile* out, char* params) {
  if (out == nullptr) return;
  TextBatch line(out);
  AddParameters(&line, params);
}

void WriteCommand(BufferedFile* out, int index, char* params) {
  // Only the clean-up's own lines and the table's indices have a line form.
  if (out == nullptr || index < kCmdCleanup || index == -1 || index >= kCommandCount) return;
  TextBatch line(out);
  line.Add(static_cast<char>(index + 32));
  AddParameters(&line, params);
  line.Add("\r\n");
}
