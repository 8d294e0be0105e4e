#include "core/numtext.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace {

// The library's own answers, which the direct conversions must give.
int LibraryInt(const std::string& s) {
  long long v = std::strtoll(s.c_str(), nullptr, 10);
  return v > INT_MAX ? INT_MAX : v < INT_MIN ? INT_MIN : static_cast<int>(v);
}

bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// Texts a route may hold, and the forms only the library handles.
std::vector<std::string> Texts() {
  static const char* const kTexts[] = {
      "0", "-0", "+5", "25", "-3.8", "3.80", "0.010", ".5", "-.5", "5.", ".", "-", "", " 7",
      "\t-2", "12abc", "1e5", "1.5E-3", "1e", "0x1A", "0x", "inf", "-nan", "2147483647",
      "2147483648", "-2147483648", "-2147483649", "99999999999999999999", "0.1234567890123",
      "123456789012345678", "1234567890123456789", "9007199254740993", "16777217", "16777219",
      "33554435", "123456789", "-98765432109876543", "0.0078125", "00000000000000000000012",
      "1.000000000000000000000001", "3.4e39", "-3.4e39"};
  std::vector<std::string> texts(std::begin(kTexts), std::end(kTexts));
  std::mt19937 random(7);
  for (int i = 0; i < 20000; ++i) {
    std::string s = (random() % 3 == 0) ? "-" : "";
    int whole = static_cast<int>(random() % 12);
    for (int d = 0; d < whole; ++d) s += static_cast<char>('0' + random() % 10);
    if (random() % 2) {
      s += '.';
      int fraction = static_cast<int>(random() % 12);
      for (int d = 0; d < fraction; ++d) s += static_cast<char>('0' + random() % 10);
    }
    texts.push_back(s);
  }
  return texts;
}

TEST(NumTextTest, ReadsEveryTextAsTheLibraryDoes) {
  for (const std::string& s : Texts()) {
    EXPECT_EQ(TextToInt(s.c_str()), LibraryInt(s)) << s;
    EXPECT_EQ(TextToInt(std::string_view(s)), LibraryInt(s)) << s;
    double expected = std::strtod(s.c_str(), nullptr);
    EXPECT_TRUE(SameBits(TextToDouble(s.c_str()), expected) || std::isnan(expected)) << s;
    float scanned = 0;
    int matched = std::sscanf(s.c_str(), "%f", &scanned);
    float value = -1;
    ASSERT_EQ(ScanFloat(s, &value), matched == 1) << s;
    if (matched == 1 && !std::isnan(scanned)) {
      EXPECT_EQ(std::memcmp(&value, &scanned, 4), 0) << s;
    }
  }
}

TEST(NumTextTest, ReadsOnlyTheView) {
  std::string text = "12;34";
  EXPECT_EQ(TextToInt(std::string_view(text).substr(3)), 34);
  EXPECT_EQ(TextToDouble(std::string_view(text).substr(0, 1)), 1.0);
  float v = 0;
  ASSERT_TRUE(ScanFloat(std::string_view(text).substr(0, 2), &v));
  EXPECT_EQ(v, 12.0f);
}

TEST(NumTextTest, FormatsAsPrintfDoes) {
  std::vector<float> values = {0.0f, -0.0f, 1.0f, -1.0f, 0.5f, 3.8f, -3.8f, 1e-7f, -1e-7f,
                               0.0000005f, 1e11f, 9.99e11f, 1e12f, -1e30f, 3.4e38f,
                               INFINITY, -INFINITY, NAN};
  // Halfway cases: odd multiples of 1/128, 1/4 and 1/2 end in an exact 5
  // after the sixth, the first decimal and the point; printf rounds them to
  // even.
  for (int k = -2001; k <= 2001; k += 2) {
    values.push_back(k / 128.0f);
    values.push_back(k / 2.0f);
    values.push_back(k / 4.0f);
  }
  std::mt19937 random(11);
  for (int i = 0; i < 200000; ++i) {
    std::uint32_t bits = random();
    float f;
    std::memcpy(&f, &bits, 4);
    values.push_back(f);
    values.push_back(static_cast<float>(random() % 2000000) / 1000.0f - 1000.0f);
  }
  for (float f : values) {
    for (int decimals : {6, 1, 0}) {
      char expected[512];
      char got[512];
      std::snprintf(expected, sizeof expected, "%.*f", decimals, static_cast<double>(f));
      int n = FormatFloat(f, got, decimals);
      EXPECT_STREQ(got, expected) << f;
      EXPECT_EQ(n, static_cast<int>(std::strlen(expected)));
    }
  }
  for (int i : {0, -1, 7, INT_MAX, INT_MIN, 123456}) {
    char expected[32];
    char got[kNumberTextSize];
    std::snprintf(expected, sizeof expected, "%d", i);
    FormatInt(i, got);
    EXPECT_STREQ(got, expected);
  }
}

}  // namespace
