#include "rte2int/compiledpattern.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "rte2int/commands.h"
#include "rte2int/recognizer.h"

namespace {

constexpr int kMaxParamChars = kRecognizerParamsSize - 1;

enum class WordPlace { kAtStart, kAfterSpace, kAfterFirst, kAnywhere };

// Sets of input characters: indexed by a lowered input character + 128
// for the classes, by the raw byte for the stops of a placeholder.
using CharSet = std::array<bool, 256>;

enum class OpKind : unsigned char { kLiteral, kWord, kClass, kSpace, kNumber, kStar, kCount };

struct Op {
  OpKind kind = OpKind::kLiteral;
  int literal = 0;  // kLiteral: the character, as a lowered input
  int from = 0;     // kWord: two or more literals, at Compiled::words
  int length = 0;
  const CharSet* set = nullptr;  // kClass: accepted; kStar: bytes that need the full test
  int count = 0;                 // kCount: separators for the next '*'
  bool hasEnd = false;           // kStar: the next pattern character may end it
  int endChar = 0;
  bool endOnAt = false;  // kStar: "@" ends it as ")" would
};

struct Compiled {
  std::vector<Op> ops;
  std::string words;  // the characters of the kWord ops
  // The leading ops that collect no text and count nothing (characters,
  // classes, optional space, numbers): walking them alone tells cheaply
  // whether the pattern fails at the start.
  size_t plainPrefix = 0;
  // The first run of letters the pattern asks for, and where the input
  // must show it: from the first character (kAtStart), after the first
  // character and the white space behind it (kAfterSpace), or right after
  // the first character (kAfterFirst). kAnywhere: no such word.
  WordPlace place = WordPlace::kAnywhere;
  std::string word;
};

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
        case '!':
          in = IsBlank(lc) || IsLineEnd(lc) || lc == ',';
          break;
        case '&':
          in = IsBlank(lc) || IsLineEnd(lc);
          break;
        case '%':
          in = IsLineEnd(lc);
          break;
        case ',':
          in = IsLineEnd(lc) || lc == ',';
          break;
        case kItemEnd:
          in = IsBlank(lc) || IsLineEnd(lc) || lc == '@' || lc == ')';
          break;
        case ')':
          in = lc == ')' || lc == '@';
          break;
        default:
          break;
      }
      (*set)[static_cast<size_t>(lc + 128)] = in;
    }
    return (classes_[p] = std::move(set)).get();
  }

  // Bytes a placeholder cannot simply collect: those that may end it, line
  // ends (and 0xFF, which reads as the end), and, when a count of
  // separators may be running, the separators.
  const CharSet* Stops(bool hasEnd, int endChar, bool endOnAt, bool counted) {
    auto key = std::make_tuple(hasEnd, endChar, endOnAt, counted);
    auto it = stops_.find(key);
    if (it != stops_.end()) return it->second.get();
    auto set = std::make_unique<CharSet>();
    for (int b = 0; b < 256; ++b) {
      int lc = LowerInput(static_cast<signed char>(b));
      (*set)[static_cast<size_t>(b)] = IsLineEnd(lc) || (counted && (lc == ';' || lc == ',')) ||
                                       (hasEnd && (lc == endChar || (endOnAt && lc == '@')));
    }
    return (stops_[key] = std::move(set)).get();
  }

 private:
  std::map<char, std::unique_ptr<CharSet>> classes_;
  std::map<std::tuple<bool, int, bool, bool>, std::unique_ptr<CharSet>> stops_;
};

bool IsLetterOp(const std::vector<Op>& ops, size_t i) {
  return i < ops.size() && ops[i].kind == OpKind::kLiteral && ops[i].literal >= 'a' &&
         ops[i].literal <= 'z';
}

Compiled Compile(const char* pattern, Sets* sets) {
  Compiled c;
  int len = static_cast<int>(std::strlen(pattern));
  // Until a count is set the separators a '*' collects change nothing: the
  // count only goes down from 0, and only a count above 0 holds a '*' open.
  bool counted = false;
  for (int i = 0; i < len; ++i) {
    char p = pattern[i];
    Op op;
    switch (p) {
      case '!':
      case '&':
      case '%':
      case ',':
      case kItemEnd:
      case ')':
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
        op.set = sets->Stops(op.hasEnd, op.endChar, op.endOnAt, counted);
        break;
      }
      default:
        if (p >= '1' && p <= '9') {
          op.kind = OpKind::kCount;
          op.count = p - '0';
          counted = true;
        } else {
          op.kind = OpKind::kLiteral;
          op.literal = static_cast<signed char>(p);
        }
        break;
    }
    c.ops.push_back(op);
  }
  size_t from = 0;
  if (IsLetterOp(c.ops, 0)) {
    c.place = WordPlace::kAtStart;
  } else if (c.ops.size() > 2 && c.ops[1].kind == OpKind::kSpace && IsLetterOp(c.ops, 2)) {
    c.place = WordPlace::kAfterSpace;
    from = 2;
  } else if (IsLetterOp(c.ops, 1)) {
    c.place = WordPlace::kAfterFirst;
    from = 1;
  }
  if (c.place != WordPlace::kAnywhere)
    for (size_t i = from; IsLetterOp(c.ops, i); ++i) c.word += static_cast<char>(c.ops[i].literal);
  // Runs of literals are compared in one step.
  std::vector<Op> merged;
  for (size_t i = 0; i < c.ops.size();) {
    size_t end = i;
    while (end < c.ops.size() && c.ops[end].kind == OpKind::kLiteral) ++end;
    if (end - i < 2) {
      merged.push_back(c.ops[i++]);
      continue;
    }
    Op word;
    word.kind = OpKind::kWord;
    word.from = static_cast<int>(c.words.size());
    word.length = static_cast<int>(end - i);
    for (; i < end; ++i) c.words += static_cast<char>(c.ops[i].literal);
    merged.push_back(word);
  }
  c.ops.swap(merged);
  while (c.plainPrefix < c.ops.size() && c.ops[c.plainPrefix].kind != OpKind::kStar &&
         c.ops[c.plainPrefix].kind != OpKind::kCount)
    ++c.plainPrefix;
  return c;
}

bool IsSpaceByte(unsigned char b) {
  return b == ' ' || b == '\t' || b == '\r' || b == '\n' || b == 0;
}

// Where the input goes on after the character read at `start`.
int AfterStart(const PatternInput& in, int start) {
  return start < 0 ? 0 : start >= in.length ? start : start + 1;
}

// After that character and the white space behind it.
int AfterStartAndSpace(const PatternInput& in, int start) {
  int pos = AfterStart(in, start);
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
      case OpKind::kWord: {
        const char* word = p.words.data() + op.from;
        if (lc != word[0]) return false;
        for (int k = 1; k < op.length; ++k) {
          lc = pos < in.length ? LowerInput(static_cast<signed char>(data[pos++])) : kEndOfInput;
          if (lc != word[k]) return false;
        }
        break;
      }
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

// WalkPattern for a compiled pattern.
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
      case OpKind::kWord: {
        const char* word = pattern.words.data() + op.from;
        consume = lc == word[0];
        for (int k = 1; consume && k < op.length; ++k) {
          // Each character consumed; the separator goes in once.
          separate();
          prev = lc;
          before = in.pos;
          ch = in.Get();
          lc = LowerInput(ch);
          consume = lc == word[k];
        }
        break;
      }
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
        {
          // Ordinary characters neither end the text nor count: taken as
          // one run.
          int end = in.pos;
          while (end < in.length && !(*op.set)[data[end]]) ++end;
          if (end > in.pos) {
            int room = std::min(end - in.pos, kMaxParamChars - plen);
            if (room > 0) std::memcpy(params + plen, data + in.pos, static_cast<size_t>(room));
            plen += std::max(room, 0);
            prev = LowerInput(static_cast<signed char>(data[end - 1]));
            in.pos = end;
          }
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

// A set of table indices (0..127), one bit each. Kept in two plain words
// (not an array) so that it stays in registers.
struct IndexSet {
  std::uint64_t low = 0;   // indices 0..63
  std::uint64_t high = 0;  // indices 64..127

  void Add(int index) {
    std::uint64_t bit = std::uint64_t{1} << (index & 63);
    if (index < 64)
      low |= bit;
    else
      high |= bit;
  }
  bool Empty() const { return (low | high) == 0; }
  IndexSet& operator|=(const IndexSet& o) {
    low |= o.low;
    high |= o.high;
    return *this;
  }
  IndexSet operator&(const IndexSet& o) const { return IndexSet{low & o.low, high & o.high}; }
  // Calls `take` with each index in increasing order, and whether it is
  // the last one, until it returns true; returns that index or kCmdNone.
  template <typename Take>
  int FirstWhere(Take take) const {
    for (std::uint64_t x = low; x != 0; x &= x - 1) {
      int index = LowestBit(x);
      if (take(index, (x & (x - 1)) == 0 && high == 0)) return index;
    }
    for (std::uint64_t x = high; x != 0; x &= x - 1) {
      int index = 64 + LowestBit(x);
      if (take(index, (x & (x - 1)) == 0)) return index;
    }
    return kCmdNone;
  }

  static int LowestBit(std::uint64_t x) {
#if defined(__GNUC__) || defined(__clang__)
    return __builtin_ctzll(x);
#else
    int n = 0;
    while ((x & 0xFF) == 0) {
      x >>= 8;
      n += 8;
    }
    while ((x & 1) == 0) {
      x >>= 1;
      ++n;
    }
    return n;
#endif
  }
};

// The indices first..last.
IndexSet Range(int first, int last) {
  auto word = [](int lo, int hi) -> std::uint64_t {  // bits lo..hi of 0..63
    if (lo > hi) return 0;
    std::uint64_t run = hi - lo == 63 ? ~std::uint64_t{0} : (std::uint64_t{1} << (hi - lo + 1)) - 1;
    return run << lo;
  };
  return IndexSet{word(std::max(first, 0), std::min(last, 63)),
                  word(std::max(first, 64) - 64, std::min(last, 127) - 64)};
}

// The words of one kind of place, as a tree of letters: looking up the
// letters the input shows gives the patterns whose word they begin with.
class WordTree {
 public:
  WordTree() : nodes_(1) {}
  void Add(const std::string& word, int index) {
    size_t node = 0;
    for (char ch : word) {
      int child = nodes_[node].child[ch - 'a'];
      if (child == 0) {
        child = static_cast<int>(nodes_.size());
        nodes_[node].child[ch - 'a'] = child;
        nodes_.emplace_back();
      }
      node = static_cast<size_t>(child);
    }
    nodes_[node].ends.Add(index);
  }
  // The patterns whose word the letters from `pos` on begin with.
  IndexSet Lookup(const PatternInput& in, int pos) const {
    IndexSet found;
    if (!in.readable) return found;
    size_t node = 0;
    for (; pos >= 0 && pos < in.length; ++pos) {
      int lc = LowerInput(static_cast<signed char>(in.data[pos]));
      if (lc < 'a' || lc > 'z') break;
      int child = nodes_[node].child[lc - 'a'];
      if (child == 0) break;
      node = static_cast<size_t>(child);
      found |= nodes_[node].ends;
    }
    return found;
  }

 private:
  struct Node {
    int child[26] = {};
    IndexSet ends;
  };
  std::vector<Node> nodes_;
};

// One table compiled, with what picks the candidates at an input position:
// a pattern can only match where the input shows its word in its place; the
// few patterns without a word are picked by the first two characters.
struct Table {
  Compiled patterns[kCommandCount];
  WordTree atStart, afterSpace, afterFirst;
  // The patterns with a word after the first character whose first step
  // takes that character, by the character (+ 128).
  IndexSet firstTakes[256];
  // The few patterns without a word, and for each pair of first two
  // characters (+ 128 each) which of them get past those: bit k for
  // noWord[k].
  std::vector<int> noWord;
  std::vector<unsigned char> noWordPasses;
  // For each pair of first two characters (+ 128 each), the lowest and the
  // highest index of the patterns that get past them (lowest > highest:
  // none does), so that most positions are passed over at once.
  std::vector<unsigned char> lowest, highest;

  Table(const char (*table)[kCommandFieldSize], Sets* sets)
      : noWordPasses(256 * 256), lowest(256 * 256, 255), highest(256 * 256, 0) {
    std::vector<int> same = SameCharacters(table);
    for (int index = 0; index < kCommandCount; ++index) {
      const char* text = table[index];
      if (text[0] == '\0') continue;
      Compiled& p = patterns[index] = Compile(text, sets);
      switch (p.place) {
        case WordPlace::kAtStart:
          atStart.Add(p.word, index);
          break;
        case WordPlace::kAfterSpace:
          afterSpace.Add(p.word, index);
          break;
        case WordPlace::kAfterFirst:
          afterFirst.Add(p.word, index);
          break;
        case WordPlace::kAnywhere:
          break;
      }
      unsigned char bit = 0;
      if (p.place == WordPlace::kAnywhere) {
        noWord.push_back(index);  // a table has one or two of them, far below eight
        bit = static_cast<unsigned char>(1u << (noWord.size() - 1));
      }
      // Walked once for each kind of character, not for every one.
      std::vector<signed char> first(256, -1);
      for (int c = -128; c < 128; ++c) {
        signed char& survives = first[static_cast<size_t>(same[c + 128] + 128)];
        if (survives < 0) survives = SurvivesStart(text, same[c + 128], -129);
        if (!survives) continue;
        if (p.place != WordPlace::kAtStart && p.place != WordPlace::kAnywhere)
          firstTakes[c + 128].Add(index);
        std::vector<signed char> second(256, -1);
        for (int d = -128; d < 128; ++d) {
          signed char& both = second[static_cast<size_t>(same[d + 128] + 128)];
          if (both < 0) both = SurvivesStart(text, same[c + 128], same[d + 128]);
          if (!both) continue;
          size_t pair = static_cast<size_t>((c + 128) * 256 + d + 128);
          if (p.place == WordPlace::kAnywhere) noWordPasses[pair] |= bit;
          lowest[pair] = std::min<unsigned char>(lowest[pair], static_cast<unsigned char>(index));
          highest[pair] = std::max<unsigned char>(highest[pair], static_cast<unsigned char>(index));
        }
      }
    }
  }

  // For each input character (+ 128), one that every pattern of the table
  // treats the same: the character itself where a pattern names it or it
  // belongs to a class (white space, line ends, numbers, separators), else
  // one stand-in for all the rest, which every pattern character treats
  // alike.
  static std::vector<int> SameCharacters(const char (*table)[kCommandFieldSize]) {
    std::vector<bool> named(256, false);
    auto name = [&named](int c) { named[static_cast<size_t>(c + 128)] = true; };
    for (int index = 0; index < kCommandCount; ++index)
      for (const char* p = table[index]; *p; ++p) name(static_cast<signed char>(*p));
    // White space, line ends, separators, what numbers are made of.
    static constexpr char kClassChars[] = " \t\r\n\0;,@)-.0123456789";
    for (char c : std::string_view(kClassChars, sizeof kClassChars - 1)) name(c);
    name(kEndOfInput);
    std::vector<int> same(256);
    int standIn = 1000;
    for (int c = -128; c < 128; ++c) {
      if (named[static_cast<size_t>(c + 128)]) {
        same[static_cast<size_t>(c + 128)] = c;
      } else {
        if (standIn == 1000) standIn = c;
        same[static_cast<size_t>(c + 128)] = standIn;
      }
    }
    return same;
  }

  IndexSet Candidates(const PatternInput& in, int start, int c, int d) const {
    IndexSet set;
    unsigned passes = noWordPasses[static_cast<size_t>((c + 128) * 256 + d + 128)];
    for (size_t k = 0; passes != 0; ++k, passes >>= 1)
      if (passes & 1u) set.Add(noWord[k]);
    if (c >= 'a' && c <= 'z') set |= atStart.Lookup(in, start);
    const IndexSet& takes = firstTakes[c + 128];
    if (!takes.Empty()) {
      IndexSet words = afterSpace.Lookup(in, AfterStartAndSpace(in, start));
      words |= afterFirst.Lookup(in, AfterStart(in, start));
      set |= words & takes;
    }
    return set;
  }
};

struct Tables {
  Sets sets;  // the ops point into it
  Table rw{rwcom, &sets};
  Table csv{csvcom, &sets};
};

}  // namespace

int RecognizeCompiled(bool csv, PatternInput& in, int start, char* params, int first, int last) {
  static const Tables tables;
  const Table& table = csv ? tables.csv : tables.rw;
  in.pos = start;
  int c = LowerInput(in.Get());
  // At the end of the input this reads the end again; after a byte 0xFF it
  // reads the byte behind it, as the walk itself would.
  int d = LowerInput(in.Get());
  size_t pair = static_cast<size_t>((c + 128) * 256 + d + 128);
  if (table.lowest[pair] > last || table.highest[pair] < first ||
      table.lowest[pair] > table.highest[pair])
    return kCmdNone;
  IndexSet candidates = table.Candidates(in, start, c, d) & Range(first, last);
  return candidates.FirstWhere([&](int index, bool lastOne) {
    const Compiled& pattern = table.patterns[index];
    // The walk itself decides the last candidate, unless the cheaper
    // prefix walk covers the whole pattern.
    bool plain = pattern.plainPrefix == pattern.ops.size();
    return (lastOne && !plain ? true : PrefixFits(pattern, in, start)) &&
           Match(pattern, in, start, params);
  });
}
