#include "core/keyword_matcher.h"

#include "core/rteprocs.h"

KeywordMatcher::KeywordMatcher(const char* table, int count, int width, int only,
                               bool bracketEquivalents)
    : table_(table),
      count_(count < kMaxKeywords ? count : kMaxKeywords),
      width_(width),
      brackets_(bracketEquivalents) {
  for (int i = 0; i < count_; ++i)
    if (only < 0 || only >= count_ || only == i) alive_[aliveCount_++] = i;
}

int KeywordMatcher::Offer(int c) {
  char lc = AsciiLower(static_cast<char>(c));
  // Every pattern alive has matched the same characters: each one offered
  // advances it or rules it out.
  int position = matched_++;
  int kept = 0;
  for (int k = 0; k < aliveCount_; ++k) {
    int i = alive_[k];
    const char* pattern = table_ + static_cast<long>(i) * width_;
    char p = pattern[position];
    if (lc == p || (brackets_ && ((lc == '{' && p == '<') || (lc == '}' && p == '>')))) {
      if (pattern[position + 1] == '\0') {
        aliveCount_ = 0;  // the race is over
        return i;
      }
      alive_[kept++] = i;
    }
  }
  aliveCount_ = kept;
  return -1;
}
