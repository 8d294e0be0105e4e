#include "core/keyword_matcher.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

// Whether `input` matches `pattern` character for character, "{" and "}"
// standing for "<" and ">" when brackets count, letters in any case.
bool SameText(const std::string& input, const std::string& pattern, bool brackets) {
  for (size_t i = 0; i < pattern.size(); ++i) {
    char c = static_cast<char>(std::tolower(static_cast<unsigned char>(input[i])));
    char p = pattern[i];
    if (c != p && !(brackets && ((c == '{' && p == '<') || (c == '}' && p == '>')))) return false;
  }
  return true;
}

// Against the rule it implements: after each character the first pattern
// in table order that the input so far spells completely wins; the matcher
// gives up once no pattern can still match.
TEST(KeywordMatcherTest, FirstPatternSpelledWinsAsTheInputGrows) {
  std::mt19937 random(11);
  const char alphabet[] = "ab<>";
  const char inputAlphabet[] = "abAB<>{}";
  constexpr int kWidth = 8;
  for (int round = 0; round < 2000; ++round) {
    int count = static_cast<int>(random() % 12) + 1;
    std::vector<char> table(static_cast<size_t>(count) * kWidth, '\0');
    std::vector<std::string> patterns;
    for (int i = 0; i < count; ++i) {
      std::string p;
      for (int n = static_cast<int>(random() % 5) + 1; n > 0; --n) p += alphabet[random() % 4];
      p.copy(&table[static_cast<size_t>(i) * kWidth], p.size());
      patterns.push_back(p);
    }
    int only = random() % 3 == 0 ? static_cast<int>(random() % count) : -1;
    bool brackets = round % 2 == 0;
    std::string input;
    for (int n = 0; n < 6; ++n) input += inputAlphabet[random() % 8];

    int expected = -1;
    size_t expectedAt = 0;
    for (size_t len = 1; len <= input.size() && expected < 0; ++len) {
      bool anyAlive = false;
      for (int i = 0; i < count; ++i) {
        if (only >= 0 && i != only) continue;
        const std::string& p = patterns[static_cast<size_t>(i)];
        size_t n = std::min(len - 1, p.size());
        anyAlive = anyAlive || SameText(input, p.substr(0, n), brackets);
        if (p.size() == len && SameText(input, p, brackets)) {
          expected = i;
          expectedAt = len;
          break;
        }
      }
      if (!anyAlive) break;
    }

    KeywordMatcher matcher(table.data(), count, kWidth, only, brackets);
    int found = -1;
    size_t at = 0;
    while (at < input.size() && matcher.AnyAlive() && found < 0)
      found = matcher.Offer(static_cast<unsigned char>(input[at++]));
    ASSERT_EQ(found, expected) << round << " " << input;
    if (found >= 0) {
      ASSERT_EQ(at, expectedAt) << round;
      ASSERT_FALSE(matcher.AnyAlive());
    }
  }
}

}  // namespace
