#include "rte2int/dump.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "test_support.h"

namespace {

TEST(DumpTest, OneCommandALineWithItsFields) {
  ScratchDir dir;
  std::string f300(300, 'w');
  std::string file = std::string("&\r\n\x1E!0#100\r\n") + "\x5C!1\x23" "2.5 \r\n" +
                     "\x38\x1F\x21\x6E" + f300 + "\r\n\x86!3\r\n\x1F\r\n";
  ASSERT_TRUE(WriteFile("x.tmp", file));
  std::ostringstream out;
  std::string error;
  ASSERT_TRUE(DumpIntermediateFile("x.tmp", out, &error));
  EXPECT_EQ(out.str(), "6 with track\n-2 cleanup | 0 | 100\n60 rail | 1 | 2.5 | \n24 folder | " +
                           f300 + "\n102 $sub | 3\n-1 ?\n");
}

TEST(DumpTest, NamesComeFromTheCleanSpelling) {
  ScratchDir dir;
  ASSERT_TRUE(WriteFile("x.tmp", "\x20!5\r\n!\r\n\x4C!1\r\n\x51!1!2\r\n\x79\r\n"));
  std::ostringstream out;
  std::string error;
  ASSERT_TRUE(DumpIntermediateFile("x.tmp", out, &error));
  EXPECT_EQ(out.str(), "0 distance | 5\n1 with route\n44 roofr | 1\n49 dikel | 1 | 2\n89 back\n");
}

TEST(DumpTest, ChecksEveryLine) {
  const struct {
    std::string line;  // without its CR LF
    const char* why;   // empty: the line parses
  } cases[] = {
      {"&", ""},
      {"\x1E!0#100", ""},
      {"\x1F", ""},  // index -1, copied by the clean-up
      {"\x86!3", ""},
      {"\x38\x1F\x21\x6E" + std::string(300, 'w'), ""},
      {"\x1D", "command byte 29 names no command"},
      {"\x87", "command byte 135 names no command"},
      {"&\x10" "a", "field 1 has no length"},
      {"&!0$ab", "field 2 runs past the end of the line"},
      {"&\x1F\x21", "field 1 has no length"},
      {"&\x1F\x21\x6E" + std::string(299, 'w'), "field 1 runs past the end of the line"},
      {"&#a,b", "field 1 holds a separator or line end"},
      {"&\"a;", "field 1 holds a separator or line end"},
  };
  for (const auto& c : cases) {
    std::string why;
    EXPECT_EQ(CheckIntermediateLine(c.line, &why), *c.why == 0) << c.line;
    EXPECT_EQ(why, c.why) << c.line;
  }
}

TEST(DumpTest, RefusesWhatIsNotAnIntermediateFileAndPrintsNothing) {
  ScratchDir dir;
  const struct {
    const char* text;
    const char* error;
  } cases[] = {
      {"With Track\r\n0,\r\n", "line 1 does not parse: field 1 runs past the end of the line"},
      {"&\r\n\n\n&", "line 4 does not parse: it does not end with CR LF"},
      {"&\r\n&\n", "line 2 does not parse: it does not end with CR LF"},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(WriteFile("x.tmp", c.text));
    std::ostringstream out;
    std::string error;
    EXPECT_FALSE(DumpIntermediateFile("x.tmp", out, &error));
    EXPECT_EQ(error, std::string("'x.tmp' is not an intermediate file: ") + c.error);
    EXPECT_EQ(out.str(), "");
  }
}

TEST(DumpTest, MissingFileIsAnError) {
  ScratchDir dir;
  std::ostringstream out;
  std::string error;
  EXPECT_FALSE(DumpIntermediateFile("none.tmp", out, &error));
  EXPECT_EQ(error, "cannot read none.tmp: no such file or folder");
}

}  // namespace
