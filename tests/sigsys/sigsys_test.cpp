#include "sigsys/sigsys.h"

#include <gtest/gtest.h>

#include <string>

#include "test_support.h"

namespace {

class SignalSystemTest : public ::testing::Test {
 protected:
  void SetUp() override { sigsys = SignalSystem(); }
  void TearDown() override { sigsys = SignalSystem(); }

  // Chooses the system named `name` as the options dialog does.
  static void Choose(const std::string& name) {
    sigsys.name = name;
    sigsys.custom = IsDefaultSignalSystem(name) ? 0 : 1;
  }
};

SignalSystem ReadSections(const std::string& text) {
  SignalSystem s;
  ReadSignalSystemSections(BufferedFile::FromText(text).get(), &s);
  return s;
}

TEST_F(SignalSystemTest, SectionsAreReadWithKeywordsInAnyCase) {
  SignalSystem s = ReadSections(
      "Mine\r\nA description\r\n#end#\r\n#SPEEDS#with route\r\n.signal(0) 0,#End#\r\n"
      "#SignalDef#\xA7s#rnd<1,2>;#notakeyword#END#between\r\n#relaydef#r#end#");
  EXPECT_EQ(s.speeds, "with route\r\n.signal(0) 0,");
  EXPECT_EQ(s.signaldef, "\xA7s#rnd<1,2>;#notakeyword");
  EXPECT_EQ(s.relaydef, "r");
  // Cut at 2047 characters; an unclosed section does not empty the next.
  s = ReadSections("#speeds#" + std::string(2047, 'a') + "bcd#signaldef#x#end#");
  EXPECT_EQ(s.speeds, std::string(2047, 'a'));
  EXPECT_EQ(s.signaldef, "x");
}

TEST_F(SignalSystemTest, KeywordRecognitionStopsWhereNoKeywordCanMatch) {
  auto file = BufferedFile::FromText("#" + std::string(100000, 'x'));
  file->setpos(1, 0);
  EXPECT_EQ(GetNextCommand(file.get(), -1, true), -1);
  EXPECT_EQ(file->getpos(), 2);
  file->setpos(1, 0);
  EXPECT_EQ(GetNextCommand(file.get(), -1, false), -1);
  EXPECT_EQ(file->getpos(), 1);
  auto keyword = BufferedFile::FromText("#RelayDef#rest");
  keyword->setpos(1, 0);
  EXPECT_EQ(GetNextCommand(keyword.get(), -1, false), kKeywordRelayDef);
  EXPECT_EQ(keyword->getpos(), 10);
}

TEST_F(SignalSystemTest, TheLastSystemOfTheChosenNameIsLoadedAndSelected) {
  ScratchDir dir;
  WriteFile(dir.File("a/sigsys.txt"), "Mine\n#signaldef#first#end#");
  WriteFile(dir.File("b/sigsys.txt"), " Mine \n#signaldef#second#end#");
  WriteFile(dir.File("c/sigsys.txt"), "Other\n#signaldef#third#end#");
  Choose("Mine");
  RecordedMessages messages;
  EXPECT_TRUE(LoadSignalSystem(false));
  EXPECT_EQ(sigsys.folder, "b");
  EXPECT_EQ(sigsys.signaldef, "second");
  EXPECT_TRUE(CustomSignalsActive());
  ChoiceList list{{kDefaultSignalSystem}, 0};
  FillSignalSystemsList(&list);
  EXPECT_EQ(list.items, (std::vector<std::string>{"Kavo Default", "Mine", "Mine", "Other"}));
  EXPECT_EQ(list.selected, 2);

  Choose("KAVO default");  // loads nothing
  EXPECT_TRUE(LoadSignalSystem(true));
  EXPECT_EQ(sigsys.signaldef, "second");
  EXPECT_FALSE(CustomSignalsActive());
  EXPECT_TRUE(messages.errors.empty());

  // A name no system has must not load the folder of the earlier choice.
  Choose("Gone");
  EXPECT_FALSE(LoadSignalSystem(false));
  EXPECT_FALSE(CustomSignalsActive());
  EXPECT_EQ(messages.errors, std::vector<std::string>{"Could not load signal system:\n\nGone"});
}

TEST_F(SignalSystemTest, InfoIsTheCleanedDescriptionWhateverTheLineEnds) {
  ScratchDir dir;
  Choose("Mine");
  for (const char* eol : {"\n", "\r\n"}) {
    std::string text;
    for (const char* line : {"Mine", "First$chr(44) line", "Second", "#end#", "#speeds#x#end#"})
      text += line + std::string(eol);
    WriteFile(dir.File("mine/sigsys.txt"), text);
    EXPECT_EQ(GetSignalSystemInfo(512), "First, line\r\nSecond\r\n");
    EXPECT_LE(GetSignalSystemInfo(10).size(), 9u);
  }
  WriteFile(dir.File("long/sigsys.txt"), "Long\n" + std::string(300, 'l') + "\n#end#\n");
  Choose("Long");  // a long line is read in pieces, all of them kept
  EXPECT_EQ(GetSignalSystemInfo(512), std::string(300, 'l') + "\r\n");
  Choose("Nobody");
  EXPECT_EQ(GetSignalSystemInfo(512), "");
}

}  // namespace
