#include "rte2int/compiledpattern.h"

#include <array>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <tuple>

#include "rte2int/commands.h"
#include "rte2int/recognizer.h"

namespace {

constexpr int kMaxParamChars = kRecognizerParamsSize - 1;
constexpr int kNoLiteral = 1000;  // no input character equals it

// Sets of input characters: indexed by a lowered input character + 128
// for the classes, by the raw byte for the stops of a placeholder.
using CharSet = std::array<bool, 256>;

enum class OpKind : unsigned char { kLiteral, kClass, kSpace, kNumber, kStar, kCount };

struct Op {
  OpKind kind = OpKind::kLiteral;
  int literal = 0;              // kLiteral: the character, as a lowered input
  const CharSet* set = nullptr;  // kClass: accepted; kStar: bytes that need the full test
  int count = 0;                // kCount: separators for the next '*'
  bool hasEnd = false;          // kStar: the next pattern character may end it
  int endChar = 0;
  bool endOnAt = false;         // kStar: "@" ends it as ")" would
};

struct Compiled {
  std::vector<Op> ops;
  // The leading ops that collect no text and count nothing (characters,
  // classes, optional space, numbers): walking them alone tells cheaply
  // whether the pattern fails at the start.
  size_t plainPrefix = 0;
  // For a pattern that starts with one character and an optional space:
  // the literal that must come after that space; else kNoLiteral.
  int literalAfterSpace = kNoLiteral;
};

bool IsClassAfterStar(char p, int followingCount) {
  if (followingCount < 2) return false;
  return p == '+' || p == kOptionalSpace || p == '*' || p == '&' || p == '%' || p == '!' ||
         p == kItemEnd;
}

// The sets every compiled pattern shares.
class Sets {
 public:
  const CharSet* Class(char p) {
    auto it = classes_.find(p);
    if (it != classes_.end()) return it->second.get();
    auto set = std::make_unique<CharSet>();
    for (int lc = -128; lc < 128; ++lc) {
      bool in = false;
      switch (p) {
        case '!': in = IsBlank(lc) || IsLineEnd(lc) || lc == ','; break;
        case '&': in = IsBlank(lc) || IsLineEnd(lc); break;
        case '%': in = IsLineEnd(lc); break;
        case ',': in = IsLineEnd(lc) || lc == ','; break;
        case kItemEnd: in = IsBlank(lc) || IsLineEnd(lc) || lc == '@' || lc == ')'; break;
        case ')': in = lc == ')' || lc == '@'; break;
        default: break;
      }
      (*set)[static_cast<size_t>(lc + 128)] = in;
    }
    return (classes_[p] = std::move(set)).get();
  }

  // Bytes a placeholder cannot simply collect: those that may end it, line
  // ends (and 0xFF, which reads as the end), and the separators it counts.
  const CharSet* Stops(bool hasEnd, int endChar, bool endOnAt) {
    auto key = std::make_tuple(hasEnd, endChar, endOnAt);
    auto it = stops_.find(key);
    if (it != stops_.end()) return it->second.get();
    auto set = std::make_unique<CharSet>();
    for (int b = 0; b < 256; ++b) {
      int lc = LowerInput(static_cast<signed char>(b));
      (*set)[static_cast<size_t>(b)] = IsLineEnd(lc) || lc == ';' || lc == ',' ||
                                       (hasEnd && (lc == endChar || (endOnAt && lc == '@')));
    }
    return (stops_[key] = std::move(set)).get();
  }

 private:
  std::map<char, std::unique_ptr<CharSet>> classes_;
  std::map<std::tuple<bool, int, bool>, std::unique_ptr<CharSet>> stops_;
};

Compiled Compile(const char* pattern, Sets* sets) {
  Compiled c;
  int len = static_cast<int>(std::strlen(pattern));
  for (int i = 0; i < len; ++i) {
    char p = pattern[i];
    Op op;
    switch (p) {
      case '!': case '&': case '%': case ',': case kItemEnd: case ')':
        op.kind = OpKind::kClass;
        op.set = sets->Class(p);
        break;
      case kOptionalSpace:
        op.kind = OpKind::kSpace;
        break;
      case '+':
        op.kind = OpKind::kNumber;
        break;
      case '*': {
        op.kind = OpKind::kStar;
        int following = len - i - 1;
        if (following > 0 && !IsClassAfterStar(pattern[i + 1], following)) {
          op.hasEnd = true;
          op.endChar = static_cast<signed char>(pattern[i + 1]);
          op.endOnAt = pattern[i + 1] == ')';
        }
        op.set = sets->Stops(op.hasEnd, op.endChar, op.endOnAt);
        break;
      }
      default:
        if (p >= '1' && p <= '9') {
          op.kind = OpKind::kCount;
          op.count = p - '0';
        } else {
          op.kind = OpKind::kLiteral;
          op.literal = static_cast<signed char>(p);
        }
        break;
    }
    c.ops.push_back(op);
  }
  while (c.plainPrefix < c.ops.size() && c.ops[c.plainPrefix].kind != OpKind::kStar &&
         c.ops[c.plainPrefix].kind != OpKind::kCount)
    ++c.plainPrefix;
  if (c.ops.size() > 2 && c.ops[1].kind == OpKind::kSpace && c.ops[2].kind == OpKind::kLiteral)
    c.literalAfterSpace = c.ops[2].literal;
  return c;
}

bool IsSpaceByte(unsigned char b) { return b == ' ' || b == '\t' || b == '\r' || b == '\n' || b == 0; }

// The lowered input character at `pos`, -1 past the end.
int LoweredAt(const PatternInput& in, int pos) {
  return pos < in.length ? LowerInput(static_cast<signed char>(in.data[pos])) : kEndOfInput;
}

// Where a pattern that starts with one character and an optional space
// meets its first literal: after the character read at `start` and the
// white space behind it.
int AfterStartAndSpace(const PatternInput& in, int start) {
  int pos = start < 0 ? 0 : start >= in.length ? start : start + 1;
  while (pos < in.length && IsSpaceByte(static_cast<unsigned char>(in.data[pos]))) ++pos;
  return pos;
}

// Walks the pattern's plain prefix; false when the walk of the whole
// pattern would fail there.
bool PrefixFits(const Compiled& p, const PatternInput& in, int start) {
  if (!in.readable) return true;
  const unsigned char* data = reinterpret_cast<const unsigned char*>(in.data);
  int pos = start;
  int prev = 0;
  int lc = 0;
  bool offerAgain = false;
  for (size_t i = 0; i < p.plainPrefix;) {
    if (!offerAgain) {
      if (pos < 0) {
        lc = 0;
        pos = 0;
      } else if (pos >= in.length) {
        lc = kEndOfInput;
      } else {
        lc = LowerInput(static_cast<signed char>(data[pos++]));
      }
    }
    offerAgain = false;
    const Op& op = p.ops[i];
    switch (op.kind) {
      case OpKind::kLiteral:
        if (lc != op.literal) return false;
        break;
      case OpKind::kClass:
        if (!(*op.set)[static_cast<size_t>(lc + 128)]) return false;
        break;
      case OpKind::kSpace:
        if (IsBlank(lc) || lc == '\r' || lc == '\n' || lc == 0) {
          while (pos < in.length && IsSpaceByte(data[pos])) ++pos;
          prev = pos > 0 ? LowerInput(static_cast<signed char>(data[pos - 1])) : 0;
          continue;
        }
        offerAgain = true;
        ++i;
        continue;
      default:  // a number
        if (IsNumberChar(lc)) {
          while (pos < in.length && IsNumberChar(data[pos])) ++pos;
          prev = data[pos - 1];
          continue;
        }
        if (!IsNumberChar(prev)) return false;
        offerAgain = true;
        ++i;
        continue;
    }
    prev = lc;
    ++i;
  }
  return true;
}

using Candidates = std::vector<unsigned char>;
// A first character with more candidates than this gets a second level
// indexed by the next character.
constexpr size_t kSecondLevelFrom = 12;

// The candidates after one first character, by the next character; and
// where that is white space, by the first character after it (`third`:
// index into Table::thirds, or -1).
struct SecondLevel {
  std::vector<Candidates> byNext;
  std::vector<int> third;
};

// One table compiled, and for each first character (by its value + 128)
// the patterns that may match there, in index order.
struct Table {
  Compiled patterns[kCommandCount];
  Candidates first[256];
  SecondLevel second[256];
  std::vector<std::vector<Candidates>> thirds;

  Table(const char (*table)[kCommandFieldSize], Sets* sets) {
    for (int index = 0; index < kCommandCount; ++index)
      patterns[index] = Compile(table[index], sets);
    for (int c = -128; c < 128; ++c) {
      Candidates& list = first[c + 128];
      for (int index = 0; index < kCommandCount; ++index) {
        if (table[index][0] != '\0' && SurvivesStart(table[index], c, -129))
          list.push_back(static_cast<unsigned char>(index));
      }
      if (list.size() < kSecondLevelFrom) continue;
      SecondLevel& level = second[c + 128];
      level.byNext.resize(256);
      level.third.assign(256, -1);
      for (int d = -128; d < 128; ++d) {
        Candidates& next = level.byNext[static_cast<size_t>(d + 128)];
        for (unsigned char index : list)
          if (SurvivesStart(table[index], c, d)) next.push_back(index);
        if (IsSpaceByte(static_cast<unsigned char>(d))) AddThirdLevel(next, &level.third[static_cast<size_t>(d + 128)]);
      }
    }
  }

  // Patterns that start with one character and an optional space survive
  // white space after the first character; the first character after it
  // decides.
  void AddThirdLevel(const Candidates& list, int* third) {
    std::vector<Candidates> byAfter(256);
    for (int e = -128; e < 128; ++e) {
      for (unsigned char index : list) {
        int literal = patterns[index].literalAfterSpace;
        if (literal == kNoLiteral || literal == e)
          byAfter[static_cast<size_t>(e + 128)].push_back(index);
      }
    }
    *third = static_cast<int>(thirds.size());
    thirds.push_back(std::move(byAfter));
  }

  const Candidates& For(const PatternInput& in, int start, int c, int d) const {
    const SecondLevel& level = second[c + 128];
    if (level.byNext.empty()) return first[c + 128];
    int t = level.third[static_cast<size_t>(d + 128)];
    if (t < 0) return level.byNext[static_cast<size_t>(d + 128)];
    int e = LoweredAt(in, AfterStartAndSpace(in, start));
    return thirds[static_cast<size_t>(t)][static_cast<size_t>(e + 128)];
  }
};

struct Tables {
  Sets sets;  // the ops point into it
  Table rw{rwcom, &sets};
  Table csv{csvcom, &sets};
};

bool Match(const Compiled& pattern, PatternInput& in, int start, char* params);

}  // namespace

int RecognizeCompiled(bool csv, PatternInput& in, int start, char* params, int first, int last) {
  static const Tables tables;
  const Table& table = csv ? tables.csv : tables.rw;
  in.pos = start;
  int c = LowerInput(in.Get());
  // At the end of the input this reads the end again; after a byte 0xFF it
  // reads the byte behind it, as the walk itself would.
  int d = LowerInput(in.Get());
  // The candidates are table indices in increasing order, so a range
  // beyond the table needs no clamping here.
  for (unsigned char index : table.For(in, start, c, d)) {
    if (index < first) continue;
    if (index > last) break;
    const Compiled& pattern = table.patterns[index];
    if (PrefixFits(pattern, in, start) && Match(pattern, in, start, params)) return index;
  }
  return kCmdNone;
}

namespace {

bool Match(const Compiled& pattern, PatternInput& in, int start, char* params) {
  const Op* ops = pattern.ops.data();
  const int len = static_cast<int>(pattern.ops.size());
  const unsigned char* data = reinterpret_cast<const unsigned char*>(in.data);
  in.pos = start;
  int prev = 0;        // last consumed or collected character, lowered
  int separators = 0;  // for the next '*'
  int plen = 0;
  int ch = 0;
  int lc = 0;
  int before = start;
  bool offerAgain = false;
  // A consumed character separates the texts of two placeholders.
  auto separate = [&] {
    if (plen > 0 && plen < kMaxParamChars && params[plen - 1] != ';') params[plen++] = ';';
  };
  auto collect = [&](int c) {
    if (plen < kMaxParamChars) params[plen++] = static_cast<char>(c);
  };
  for (int i = 0; i < len;) {
    if (!offerAgain) {
      before = in.pos;
      ch = in.Get();
      lc = LowerInput(ch);
    }
    offerAgain = false;
    const Op& op = ops[i];
    bool consume = false;
    switch (op.kind) {
      case OpKind::kLiteral:
        consume = lc == op.literal;
        break;
      case OpKind::kClass:
        consume = (*op.set)[static_cast<size_t>(lc + 128)];
        break;
      case OpKind::kSpace:
        if (!(IsBlank(lc) || lc == '\r' || lc == '\n' || lc == 0)) {
          offerAgain = true;
          ++i;
          continue;
        }
        separate();
        prev = lc;
        // The rest of the run of white space changes nothing more.
        while (in.pos < in.length) {
          unsigned char b = data[in.pos];
          if (!(b == ' ' || b == '\t' || b == '\r' || b == '\n' || b == 0)) break;
          prev = b;
          ++in.pos;
        }
        continue;
      case OpKind::kNumber:
        if (IsNumberChar(lc)) {
          collect(ch);
          while (in.pos < in.length && IsNumberChar(data[in.pos])) collect(data[in.pos++]);
          prev = data[in.pos - 1];
          continue;
        }
        if (!IsNumberChar(prev)) break;
        offerAgain = true;
        ++i;
        continue;
      case OpKind::kStar:
        if (op.hasEnd && (lc == op.endChar || (op.endOnAt && lc == '@')) && separators <= 0) {
          offerAgain = true;
          ++i;
          continue;
        }
        if (IsLineEnd(lc)) {
          if (IsLineEnd(prev)) break;
          offerAgain = true;
          ++i;
          continue;
        }
        collect(ch);
        if (lc == ';' || lc == ',') --separators;
        prev = lc;
        // Ordinary characters neither end the text nor count.
        while (in.pos < in.length && !(*op.set)[data[in.pos]]) {
          collect(data[in.pos]);
          prev = LowerInput(static_cast<signed char>(data[in.pos]));
          ++in.pos;
        }
        continue;
      case OpKind::kCount:
        separators = op.count;
        offerAgain = true;
        ++i;
        continue;
    }
    if (!consume) break;
    if (i == len - 1) {
      // Leave the terminator to be read again; at the end of the input
      // nothing was read, so there is nothing to step back over.
      in.pos = before;
      params[plen] = '\0';
      return true;
    }
    separate();
    ++i;
    prev = lc;
  }
  params[plen] = '\0';
  return false;
}

}  // namespace
