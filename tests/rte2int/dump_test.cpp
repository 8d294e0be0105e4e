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

TEST(DumpTest, MissingFileIsAnError) {
  ScratchDir dir;
  std::ostringstream out;
  std::string error;
  EXPECT_FALSE(DumpIntermediateFile("none.tmp", out, &error));
  EXPECT_EQ(error, "cannot read 'none.tmp'");
}

}  // namespace
