#include "rte2int/patternwalk.h"

#include <cstring>

#include "rte2int/recognizer.h"

namespace {

constexpr int kMaxParamChars = kRecognizerParamsSize - 1;

enum class Step { kFail, kConsume, kCollect, kSkipSpace, kOfferAgain };

// What the walk knows besides the input character.
struct WalkState {
  int prev = 0;        // last consumed or collected character (lowered)
  int separators = 0;  // separator count for the next '*'
};

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

}  // namespace

bool IsClassAfterStar(char p, int followingCount) {
  if (followingCount < 2) return false;
  return p == '+' || p == kOptionalSpace || p == '*' || p == '&' || p == '%' || p == '!' ||
         p == kItemEnd;
}

bool WalkPattern(PatternInput& in, const char* pattern, int len, int start, char* params) {
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
      lc = LowerInput(ch);
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
