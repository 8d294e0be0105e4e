#include "ui/display_text.h"

#include <gtest/gtest.h>

namespace {

TEST(DisplayTextTest, KeepsUtf8ReadsOtherBytesAsWindows1250AndEndsLinesWithLf) {
  const std::pair<std::string, std::string> cases[] = {
      {"plain\r\ntext\rend\n", "plain\ntext\nend\n"},
      {"Jármű információ", "Jármű információ"},
      {"J\xE1rm\xFB \xF5", "Jármű ő"},         // Windows-1250 bytes
      {"\xC3\x28", "Ă("},                        // broken UTF-8 is not UTF-8
      {"\xE0\x80\x80", "ŕ\xE2\x82\xAC\xE2\x82\xAC"},  // nor is an overlong form
  };
  for (auto& c : cases) EXPECT_EQ(DisplayText(c.first), c.second) << c.first;
}

}  // namespace
