#include "rte2int/recognizer.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "core/StackEntry.h"
#include "core/rteprocs.h"
#include "rte2int/commands.h"
#include "rte2int/intermediate.h"

namespace {

// The input as the pattern walk sees it: getchar()'s value with A..Z
// lowered. -1 is the end of the input (a byte 0xFF reads the same way).
constexpr int kEndOfInput = -1;
constexpr int kMaxParamChars = kRecognizerParamsSize - 1;

// Pattern bytes with a meaning of their own.
constexpr char kOptionalSpace = '\xA3';
constexpr char kItemEnd = '\xA7';

int Lower(int c) { return (c >= 'A' && c <= 'Z') ? c + 32 : c; }
bool IsBlank(int c) { return c == ' ' || c == '\t'; }
bool IsLineEnd(int c) { return c == '\r' || c == '\n' || c == 0 || c == kEndOfInput; }
bool IsNumberChar(int c) { return IsAsciiDigit(c) || c == '-' || c == '.'; }

enum class Step { kFail, kConsume, kCollect, kSkipSpace, kOfferAgain };

// What the walk knows besides the input character.
struct WalkState {
  int prev = 0;       // last consumed or collected character (lowered)
  int separators = 0;  // separator count for the next '*'
};

// Whether `p` (the character after a '*') counts as a class character for
// the end test of the '*': only when at least two pattern characters follow
// the '*'.
bool IsClassAfterStar(char p, int followingCount) {
  if (followingCount < 2) return false;
  return p == '+' || p == kOptionalSpace || p == '*' || p == '&' || p == '%' || p == '!' ||
         p == kItemEnd;
}

// Decides what pattern character pattern[i] does with the input `lc`.
Step Decide(const char* pattern, int len, int i, int lc, WalkState& state) {
  char p = pattern[i];
  switch (p) {
    case '!':
      return (IsBlank(lc) || IsLineEnd(lc) || lc == ',') ? Step::kConsume : Step::kFail;
    case '&':
      return (IsBlank(lc) || IsLineEnd(lc)) ? Step::kConsume : Step::kFail;
    case kOptionalSpace:
      return (IsBlank(lc) || lc == '\r' || lc == '\n' || lc == 0) ? Step::kSkipSpace
                                                                    : Step::kOfferAgain;
    case '%':
      return IsLineEnd(lc) ? Step::kConsume : Step::kFail;
    case ',':
      return (IsLineEnd(lc) || lc == ',') ? Step::kConsume : Step::kFail;
    case kItemEnd:
      return (IsBlank(lc) || IsLineEnd(lc) || lc == '@' || lc == ')') ? Step::kConsume
                                                                       : Step::kFail;
    case ')':
      return (lc == ')' || lc == '@') ? Step::kConsume : Step::kFail;
    case '+':
      if (IsNumberChar(lc)) return Step::kCollect;
      return IsNumberChar(state.prev) ? Step::kOfferAgain : Step::kFail;
    case '*': {
      int following = len - i - 1;
      if (following > 0) {
        char next = pattern[i + 1];
        bool ends = !IsClassAfterStar(next, following) &&
                    (lc == static_cast<signed char>(next) || (lc == '@' && next == ')')) &&
                    state.separators <= 0;
        if (ends) return Step::kOfferAgain;
      }
      if (IsLineEnd(lc)) return IsLineEnd(state.prev) ? Step::kFail : Step::kOfferAgain;
      return Step::kCollect;
    }
    default:
      if (p >= '1' && p <= '9') {
        state.separators = p - '0';
        return Step::kOfferAgain;
      }
      return lc == static_cast<signed char>(p) ? Step::kConsume : Step::kFail;
  }
}

// Reads the content of a buffered file the way its getchar() does, without
// a call per character: 0 before the first byte, -1 (without moving) at the
// end, every byte as a signed value, and nothing at all in write mode.
struct Cursor {
  const char* data;
  int length;
  bool readable;
  int pos;

  explicit Cursor(const BufferedFile* file)
      : data(file->content()), length(file->size()), readable(file->readmode()),
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

// Walks one pattern from `start`. True on a match, with the cursor at the
// terminator; `params` holds what the placeholders collected.
bool MatchPattern(Cursor& in, const char* pattern, int len, int start, char* params) {
  in.pos = start;
  WalkState state;
  bool offerAgain = false;
  int plen = 0;
  params[0] = '\0';
  int ch = 0;
  int lc = 0;
  int before = start;
  for (int i = 0; i < len;) {
    if (!offerAgain) {
      before = in.pos;
      ch = in.Get();
      lc = Lower(ch);
    }
    offerAgain = false;
    Step step = Decide(pattern, len, i, lc, state);
    switch (step) {
      case Step::kFail:
        return false;
      case Step::kOfferAgain:
        offerAgain = true;
        ++i;
        continue;
      case Step::kConsume:
        if (i == len - 1) {
          // Leave the terminator to be read again; at the end of the input
          // nothing was read, so there is nothing to step back over.
          in.pos = before;
          return true;
        }
        [[fallthrough]];
      case Step::kSkipSpace:
        // A consumed character separates the texts of two placeholders.
        if (plen > 0 && plen < kMaxParamChars && params[plen - 1] != ';') {
          params[plen++] = ';';
          params[plen] = '\0';
        }
        if (step == Step::kConsume) ++i;
        break;
      case Step::kCollect: {
        if (plen < kMaxParamChars) {
          // The collected character keeps its case.
          params[plen++] = static_cast<char>(ch);
          params[plen] = '\0';
        }
        if (lc == ';' || lc == ',') --state.separators;
        break;
      }
    }
    state.prev = lc;
  }
  // The pattern ran out while offering a character again: no match.
  return false;
}

// Whether the pattern gets past the input characters `first` and `second`
// (the next two reads; `second` < -128: only the first is looked at)
// without failing. The walk
// over the first characters depends on nothing else, so a pattern for which
// this is false can never match where the input starts with them.
bool SurvivesStart(const char* pattern, int first, int second) {
  int len = static_cast<int>(std::strlen(pattern));
  WalkState state;
  int taken = 0;  // characters consumed or collected so far
  int lc = first;
  for (int i = 0; i < len;) {
    Step step = Decide(pattern, len, i, lc, state);
    if (step == Step::kFail) return false;
    if (step == Step::kOfferAgain) {
      ++i;
      continue;
    }
    if (step == Step::kConsume && i == len - 1) return true;  // completes here
    if (++taken == 2 || second < -128) return true;
    if (lc == ';' || lc == ',') {
      if (step == Step::kCollect) --state.separators;
    }
    if (step == Step::kConsume) ++i;
    state.prev = lc;
    lc = second;
  }
  return false;
}

// A first character with more candidates than this gets a second level
// indexed by the next character.
constexpr size_t kSecondLevelFrom = 12;

using Candidates = std::vector<unsigned char>;

// For each table and each first character (indexed by its value + 128),
// the indices of the patterns that may match there, in index order; for
// first characters with many candidates also by the second character.
struct StartIndex {
  Candidates first[2][256];
  std::vector<Candidates> second[2][256];  // empty, or 256 lists

  StartIndex() {
    for (int t = 0; t < 2; ++t) {
      const char(*table)[kCommandFieldSize] = t == 1 ? csvcom : rwcom;
      for (int c = -128; c < 128; ++c) {
        Candidates& list = first[t][c + 128];
        for (int index = 0; index < kCommandCount; ++index) {
          if (table[index][0] != '\0' && SurvivesStart(table[index], c, -129))
            list.push_back(static_cast<unsigned char>(index));
        }
        if (list.size() < kSecondLevelFrom) continue;
        second[t][c + 128].resize(256);
        for (int d = -128; d < 128; ++d) {
          for (unsigned char index : list) {
            if (SurvivesStart(table[index], c, d)) second[t][c + 128][d + 128].push_back(index);
          }
        }
      }
    }
  }

  const Candidates& For(bool csv, int c, int d) const {
    int t = csv ? 1 : 0;
    const std::vector<Candidates>& next = second[t][c + 128];
    return next.empty() ? first[t][c + 128] : next[d + 128];
  }
};

const StartIndex& Index() {
  static const StartIndex index;
  return index;
}

int PatternLength(bool csv, int index) {
  static const auto lengths = [] {
    std::vector<int> l(2 * kCommandCount);
    for (int i = 0; i < kCommandCount; ++i) {
      l[i] = static_cast<int>(std::strlen(rwcom[i]));
      l[kCommandCount + i] = static_cast<int>(std::strlen(csvcom[i]));
    }
    return l;
  }();
  return lengths[(csv ? kCommandCount : 0) + index];
}

// One recognition at the character the caller read last: tries patterns
// of one table there, and on a match leaves the file at its terminator.
struct Scan {
  Scan(BufferedFile* f, bool isCsv, char* p)
      : file(f), csv(isCsv), params(p), start(f->getpos() - 1), in(f) {
    params[0] = '\0';
  }
  bool Try(int index) {
    const char* pattern = (csv ? csvcom : rwcom)[index];
    if (!MatchPattern(in, pattern, PatternLength(csv, index), start, params)) return false;
    file->setpos(in.pos, 0);
    return true;
  }
  int NoMatch() {
    file->setpos(start + 1, 0);
    return kCmdNone;
  }

  BufferedFile* file;
  bool csv;
  char* params;
  int start;
  Cursor in;
};

}  // namespace

int GetNextCommand(BufferedFile* file, bool csv, char* params, int first, int last) {
  if (file == nullptr || params == nullptr) return kCmdNone;
  Scan scan(file, csv, params);
  scan.in.pos = scan.start;
  int c = Lower(scan.in.Get());
  // At the end of the input this reads the end again; after a byte 0xFF it
  // reads the byte behind it, as the walk itself would.
  int d = Lower(scan.in.Get());
  // The candidates are table indices in increasing order, so a range
  // beyond the table needs no clamping here.
  for (unsigned char index : Index().For(csv, c, d)) {
    if (index < first) continue;
    if (index > last) break;
    if (scan.Try(index)) return index;
  }
  return scan.NoMatch();
}

int GetNextCommandUnindexed(BufferedFile* file, bool csv, char* params, int first, int last) {
  if (file == nullptr || params == nullptr) return kCmdNone;
  Scan scan(file, csv, params);
  const char(*table)[kCommandFieldSize] = csv ? csvcom : rwcom;
  for (int index = std::max(first, 0); index <= std::min(last, kCommandCount - 1); ++index) {
    if (table[index][0] != '\0' && scan.Try(index)) return index;
  }
  return scan.NoMatch();
}

void SiftParameters(const char* params, Stack* out) {
  if (out == nullptr) return;
  std::string piece;
  const char* p = params ? params : "";
  for (;; ++p) {
    char c = *p;
    if (c == ';' || c == ',' || c == '\0') {
      out->Push(piece);
      piece.clear();
      if (c == '\0') break;
      continue;
    }
    // A piece that is full goes out as it is; the character starts the
    // next one, so nothing is lost.
    if (static_cast<int>(piece.size()) == kPieceSize) {
      out->Push(piece);
      piece.clear();
    }
    piece += c;
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

void WriteField(BufferedFile* out, const char* begin, const char* end) {
  while (begin < end && IsTrimmedChar(*begin)) ++begin;
  while (end > begin && IsTrimmedChar(end[-1])) --end;
  int n = static_cast<int>(end - begin);
  if (n > kMaxFieldLength) n = kMaxFieldLength;
  if (n < 222) {
    out->putchar(static_cast<char>(n + 32));
  } else {
    out->putchar(static_cast<char>(31));
    out->putchar(static_cast<char>(n / 222 + 32));
    out->putchar(static_cast<char>(n % 222 + 32));
  }
  out->putstring(std::string_view(begin, static_cast<size_t>(n)));
}

}  // namespace

void WriteParameters(BufferedFile* out, char* params) {
  if (out == nullptr || params == nullptr || params[0] == '\0') return;
  Trim(params);
  const char* pieceStart = params;
  for (const char* p = params;; ++p) {
    if (*p == ';' || *p == ',' || *p == '\0') {
      WriteField(out, pieceStart, p);
      if (*p == '\0') break;
      pieceStart = p + 1;
    }
  }
}

void WriteCommand(BufferedFile* out, int index, char* params) {
  // Only the clean-up's own lines and the table's indices have a line form.
  if (out == nullptr || index < kCmdCleanup || index == -1 || index >= kCommandCount) return;
  out->putchar(static_cast<char>(index + 32));
  WriteParameters(out, params);
  out->putchar('\r');
  out->putchar('\n');
}
