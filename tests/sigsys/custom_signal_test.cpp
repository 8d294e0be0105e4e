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
  };
  for (const Case& c : cases)
    EXPECT_EQ(FillSignalTemplate(c.pattern, 3, "Home", 1.5f, 2.0f, 7), c.filled) << c.pattern;
  EXPECT_EQ(FillSignalTemplate("\xA7x;\xA7y", 0, "", -0.0f, -1.25f, 0), "0.000000;-1.250000");
}

TEST(InsertCustomSignal, TheTemplateRunsThroughTheScriptAndIsNeverCut) {
  ScratchDir dir;  // the script stages log into the working folder
  sigsys = SignalSystem();
  sigsys.signaldef =
      "#if<#greater<\xA7"
      "a,2>>\xA7s\xA7"
      "a\xA7p\xA7n#else<>\xA7s2#endif<>";
  std::string relays;  // 7000 bytes once filled
  for (int i = 0; i < 1000; ++i) relays += ".relay ";
  for (int i = 0; i < 1000; ++i) sigsys.relaydef += "\xA7r";
  sigsys.relaydef += "#rnd<4,4>\xA7n";
  BufferedFile out(16, true);
  InsertCustomSignal(&out, 3, "Home", 1.5f, -1.0f, 2, true);
  InsertCustomSignal(&out, 0, "", 1.5f, -1.0f, 0, false);
  EXPECT_EQ(out.view(), ".sig 3;Home" + relays + "4");
  sigsys = SignalSystem();
}

}  // namespace
