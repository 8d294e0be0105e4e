#include "core/keyword_matcher.h"

#include "core/rteprocs.h"

KeywordMatcher::KeywordMatcher(const char* table, int count, int width, int only,
                               bool bracketEquivalents)
    : table_(table),
      count_(count < kMaxKeywords ? count : kMaxKeywords),
      width_(width),
      brackets_(bracketEquivalents) {
  for (int i = 0; i < count_; ++i) {
    matched_[i] = 0;
    alive_[i] = (only < 0 || only >= count_ || only == i);
    if (alive_[i]) ++aliveCount_;
  }
}

int KeywordMatcher::Offer(int c) {
  char lc = AsciiLower(static_cast<char>(c));
  for (int i = 0; i < count_; ++i) {
    if (!alive_[i]) continue;
    const char* pattern = table_ + static_cast<long>(i) * width_;
    char p = pattern[matched_[i]];
    if (lc == p || (brackets_ && ((lc == '{' && p == '<') || (lc == '}' && p == '>')))) {
      if (pattern[++matched_[i]] == '\0') return i;
    } else {
      alive_[i] = false;
      --aliveCount_;
    }
  }
  return -1;
}
