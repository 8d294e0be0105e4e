#include "sigsys/custom_signal.h"

#include <gtest/gtest.h>

#include <string>

#include "sigsys/sigsys.h"
#include "test_support.h"

namespace {

TEST(FillSignalTemplate, EscapesAreReplaced) {
  struct Case {
    const char* pattern;
    const char* filled;
  } cases[] = {
      {"\xA7s\xA7x\xA7"
       "e\xA7y\xA7"
       "e\xA7"
       "a",
       ".sig 1.500000,2.000000,3"},
      {"\xA7r\xA7p\xA7n\xA7p\xA7t", ".relay ;Home;7"},
      {"[\xA7q\xA7\xA7"
       "s]",
       "[s]"},             // unknown letters drop the pair
      {"end\xA7", "end"},  // a last escape byte is dropped
      {"plain, text; #rnd<1,2>", "plain, text; #rnd<1,2>"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(FillSignalTemplate(c.pattern, 3, "Home", 1.5f, 2.0f, 7), c.filled) << c.pattern;
  EXPECT_EQ(FillSignalTemplate("\xA7x;\xA7y", 0, "", -0.0f, -1.25f, 0), "0.000000;-1.250000");
}

class InsertCustomSignalTest : public ::testing::Test {
 protected:
  void SetUp() override { sigsys = SignalSystem(); }
  void TearDown() override { sigsys = SignalSystem(); }

  static std::string Insert(bool signal, const char* name = "Home") {
    BufferedFile out(16, true);
    out.putstring("50,");
    InsertCustomSignal(&out, 3, name, 1.5f, -1.0f, 2, signal);
    return std::string(out.view());
  }
  ScratchDir dir_;  // the script stages log into the working folder
};

TEST_F(InsertCustomSignalTest, TheTemplateRunsThroughTheScript) {
  sigsys.signaldef =
      "#if<#greater<\xA7"
      "a,2>>\xA7s\xA7"
      "a\xA7p\xA7n\xA7p\xA7x\xA7p\xA7y\xA7p\xA7t\xA7"
      "e"
      "#else<>\xA7s2\xA7"
      "e#endif<>";
  sigsys.relaydef =
      "\xA7r\xA7x\xA7p\xA7y#rnd<4,4>[\xA7n]\xA7"
      "e";
  EXPECT_EQ(Insert(true), "50,.sig 3;Home;1.500000;-1.000000;2,");
  EXPECT_EQ(Insert(false, ""), "50,.relay 1.500000;-1.0000004[],");
}

TEST_F(InsertCustomSignalTest, AFilledTemplateLongerThan4094BytesIsWrittenWhole) {
  for (int i = 0; i < 1000; ++i) sigsys.signaldef += "\xA7s";
  std::string expected = "50,";
  for (int i = 0; i < 1000; ++i) expected += ".sig ";
  EXPECT_EQ(Insert(true), expected);
}

}  // namespace
