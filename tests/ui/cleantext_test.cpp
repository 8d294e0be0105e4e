#include "ui/cleantext.h"

#include <gtest/gtest.h>

namespace {

struct CleanCase {
  const char* name;
  const char* text;
  bool keep;
  const char* expected;
};

const CleanCase kCleanCases[] = {
    {"EscapeThirteenIsBlankInOneLine", "Two words$chr(13)third", false, "Two words third"},
    {"EscapeThirteenIsLineBreakWhenKept", "a$chr(13)b", true, "a\r\nb"},
    {"EscapeFortyFourIsComma", "a$chr(44)b", true, "a,b"},
    {"OtherCodeGivesNothing", "a$chr(65)b", true, "ab"},
    {"EscapeAtTheVeryEndConverts", "a$chr(13)", false, "a "},
    {"DollarWithoutParenthesesIsDropped", "$abcdefgh", true, "abcdefgh"},
    {"DollarNearTheEndIsCopied", "x$chr(1", true, "x$chr(1"},
    {"LineFeedBecomesCrLf", "a\nb", false, "a\r\nb"},
    {"CarriageReturnKeptAsIsInOneLine", "a\rb", false, "a\rb"},
    {"CarriageReturnBecomesCrLfWhenKept", "a\rb", true, "a\r\nb"},
};

class CleanTextCases : public ::testing::TestWithParam<CleanCase> {};

TEST_P(CleanTextCases, Converts) {
  const CleanCase& c = GetParam();
  EXPECT_EQ(CleanText(c.text, 512, c.keep), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Texts, CleanTextCases, ::testing::ValuesIn(kCleanCases),
                         [](const ::testing::TestParamInfo<CleanCase>& param) { return param.param.name; });

TEST(CleanText, StopsAtTheBufferSizeAndFitsIt) {
  // Size 8: conversions only below 5 written characters, the text ends
  // once more than 5 are written.
  EXPECT_EQ(CleanText("abcd\nefgh", 8, true), "abcd\r\n");
  EXPECT_EQ(CleanText("abcde\nfgh", 8, true), "abcde\n");
  EXPECT_EQ(CleanText("ab\n\n\n\n", 8, true).size() + 1, 7u);
}

}  // namespace
