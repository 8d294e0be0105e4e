#include "core/rteprocs.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace {

TEST(RteprocsTest, IsNumberAcceptsPlainDecimals) {
  for (const char* good : {"12", "-3", "0.25", ".5", "-.5", "  7\r\n"}) {
    char text[32];
    std::snprintf(text, sizeof text, "%s", good);
    EXPECT_TRUE(IsNumber(text)) << good;
  }
  for (const char* bad : {"", "1.2.3", "1e5", "+4", "- 3", "\xB2", "3-"}) {
    char text[32];
    std::snprintf(text, sizeof text, "%s", bad);
    EXPECT_FALSE(IsNumber(text)) << bad;
  }
  EXPECT_FALSE(IsNumber(nullptr));
}

TEST(RteprocsTest, IsNumberTrimsItsArgument) {
  char text[] = "  7\r\n";
  IsNumber(text);
  EXPECT_STREQ(text, "7");
}

TEST(RteprocsTest, CropFloat) {
  struct {
    const char* in;
    const char* out;
  } cases[] = {{"1.500", "1.5"}, {"2.000", "2"}, {"10", "10"}, {"100", "100"},
               {"3.0", "3"},     {"0.050", "0.05"}, {".0", "."}, {"0", "0"}};
  for (auto& c : cases) {
    char text[16];
    std::snprintf(text, sizeof text, "%s", c.in);
    CropFloat(text);
    EXPECT_STREQ(text, c.out) << c.in;
  }
}

TEST(RteprocsTest, TrimRemovesBlanksLineEndsAndFF) {
  char a[] = " \t\r\n \xFF";
  Trim(a);
  EXPECT_STREQ(a, "");
  char b[] = "\xFF x y\t\n";
  Trim(b);
  EXPECT_STREQ(b, "x y");
}

TEST(RteprocsTest, StrCatChar) {
  char text[8] = "ab";
  StrCatChar(text, 'c');
  EXPECT_STREQ(text, "abc");
}

TEST(RteprocsTest, ErrorMessageJoinsDetailWithEmptyLine) {
  RecordedMessages messages;
  EXPECT_TRUE(ErrorMessage("Wrong distance order", "10 -> 5"));
  EXPECT_TRUE(ErrorMessage("Alone", nullptr));
  ASSERT_EQ(messages.errors.size(), 2u);
  EXPECT_EQ(messages.errors[0], "Wrong distance order\n\n10 -> 5");
  EXPECT_EQ(messages.errors[1], "Alone");
}

TEST(RteprocsTest, LogAppendsLines) {
  ScratchDir dir;
  log("first");
  log("second");
  EXPECT_EQ(ReadFile("log.txt"), "first\nsecond\n");
}

TEST(RteprocsTest, EqualsIgnoringCaseFoldsOnlyAsciiLetters) {
  struct Case {
    const char* a;
    const char* b;
    bool equal;
  };
  const Case cases[] = {
      {"Train.DAT", "train.dat", true}, {"", "", true},         {"abc", "abcd", false},
      {"@[", "`{", false},              {"\xC9", "\xE9", false}, {"\xC9t\xE9", "\xC9T\xE9", true},
  };
  for (const Case& c : cases)
    EXPECT_EQ(EqualsIgnoringCase(c.a, c.b), c.equal) << c.a << " / " << c.b;
}

TEST(RteprocsTest, FileExists) {
  ScratchDir dir;
  EXPECT_FALSE(FileExists("x.txt"));
  WriteFile("x.txt", "1");
  EXPECT_TRUE(FileExists("x.txt"));
  EXPECT_FALSE(FileExists(nullptr));
}

}  // namespace
