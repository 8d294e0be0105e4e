#ifndef LINEWRIGHT_CORE_KEYWORD_MATCHER_H
#define LINEWRIGHT_CORE_KEYWORD_MATCHER_H

// The parallel, anchored prefix match of a keyword table, without
// backtracking, shared by the script's directive names and the signal
// systems' section keywords. Each character offered either advances a
// candidate or rules it out for good; the first candidate (in table order)
// to complete its pattern wins. Letters are compared without regard to case.
class KeywordMatcher {
 public:
  static constexpr int kMaxKeywords = 64;

  // `table` holds `count` (at most kMaxKeywords) zero-terminated patterns,
  // `width` bytes apart; it must outlive the matcher. `only` in
  // 0..count - 1 restricts the match to that entry. With
  // `bracketEquivalents` a "{" or "}" of the input matches a "<" or ">" of
  // the pattern.
  KeywordMatcher(const char* table, int count, int width, int only, bool bracketEquivalents);

  bool AnyAlive() const { return aliveCount_ > 0; }
  // Offers one input character; returns the index of a completed pattern
  // or -1. After a match no pattern is alive any more.
  int Offer(int c);

 private:
  const char* table_;
  int count_;
  int width_;
  bool brackets_;
  int matched_ = 0;          // characters matched so far, the same for every one alive
  int alive_[kMaxKeywords];  // the patterns still in the race, in table order
  int aliveCount_ = 0;
};

#endif
