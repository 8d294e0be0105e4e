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
  auto file = BufferedFile::FromText(text);
  ReadSignalSystemSections(file.get(), &s);
  return s;
}

TEST_F(SignalSystemTest, SectionsAreReadWithKeywordsInAnyCase) {
  SignalSystem s = ReadSections(
      "Mine\r\nA #speeds# word in the description\r\n#end#\r\n"
      "#SPEEDS#with route\r\n.signal(0) 0,#End#\r\n"
      "#SignalDef#\xA7s#rnd<1,2>;#notakeyword#END#"
      "between sections\r\n#relaydef#\xA7r\xA7x#end#");
  EXPECT_EQ(s.speeds, "with route\r\n.signal(0) 0,");
  EXPECT_EQ(s.signaldef, "\xA7s#rnd<1,2>;#notakeyword");
  EXPECT_EQ(s.relaydef, "\xA7r\xA7x");
}

TEST_F(SignalSystemTest, SectionsAreCutAt2047Characters) {
  SignalSystem s = ReadSections("#speeds#" + std::string(2047, 'a') + "bcd#end##relaydef#r#end#");
  EXPECT_EQ(s.speeds, std::string(2047, 'a'));
  EXPECT_EQ(s.relaydef, "r");
}

TEST_F(SignalSystemTest, AnUnclosedSectionDoesNotEmptyTheNext) {
  SignalSystem s = ReadSections("#speeds#abc#signaldef#xyz#end##signaldef#again#end#");
  EXPECT_EQ(s.speeds, "abc");
  EXPECT_EQ(s.signaldef, "again");  // a section opened again starts afresh
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
  keyword->setpos(1, 0);
  EXPECT_EQ(GetNextCommand(keyword.get(), kKeywordSpeeds, false), -1);
}

TEST_F(SignalSystemTest, LoadingReadsTheLastSystemOfTheChosenName) {
  ScratchDir dir;
  WriteFile(dir.File("a/sigsys.txt"), "Mine\n#signaldef#first#end#");
  WriteFile(dir.File("b/sigsys.txt"), " Mine \n#signaldef#second#end##speeds#s#end#");
  WriteFile(dir.File("c/sigsys.txt"), "Other\n#signaldef#third#end#");
  Choose("Mine");
  RecordedMessages messages;
  EXPECT_TRUE(LoadSignalSystem(false));
  EXPECT_EQ(sigsys.folder, "b");
  EXPECT_EQ(sigsys.signaldef, "second");
  EXPECT_EQ(sigsys.speeds, "s");
  EXPECT_TRUE(CustomSignalsActive());
  EXPECT_TRUE(messages.errors.empty());

  ChoiceList list;
  list.items.push_back(kDefaultSignalSystem);
  list.selected = 0;
  FillSignalSystemsList(&list);
  EXPECT_EQ(list.items, (std::vector<std::string>{"Kavo Default", "Mine", "Mine", "Other"}));
  EXPECT_EQ(list.selected, 2);
}

TEST_F(SignalSystemTest, TheDefaultSystemLoadsNothing) {
  ScratchDir dir;
  WriteFile(dir.File("kavo/sigsys.txt"), "Kavo Default\n#signaldef#x#end#");
  for (const char* name : {"Kavo Default", "KAVO default"}) {
    Choose(name);
    sigsys.signaldef = "kept";
    RecordedMessages messages;
    EXPECT_TRUE(LoadSignalSystem(true)) << name;
    EXPECT_EQ(sigsys.signaldef, "kept") << name;
    EXPECT_FALSE(CustomSignalsActive()) << name;
    EXPECT_TRUE(messages.errors.empty()) << name;
  }
}

TEST_F(SignalSystemTest, AMissingSystemIsReportedAndLeavesTheRouteItsSignals) {
  ScratchDir dir;
  WriteFile(dir.File("old/sigsys.txt"), "Old\n#signaldef#old#end#");
  sigsys.folder = "old";  // an earlier choice must not load under the new name
  Choose("Gone");
  RecordedMessages messages;
  EXPECT_FALSE(LoadSignalSystem(false));
  EXPECT_FALSE(CustomSignalsActive());
  EXPECT_TRUE(sigsys.signaldef.empty());
  ASSERT_EQ(messages.errors.size(), 1u);
  EXPECT_EQ(messages.errors[0], "Could not load signal system:\n\nGone");
}

TEST_F(SignalSystemTest, InfoIsTheCleanedDescriptionWhateverTheLineEnds) {
  ScratchDir dir;
  const std::string body = "First$chr(44) line\nSecond line\n#end#\n#speeds#x#end#\n";
  std::string crlf;
  for (char c : "Mine\n" + body) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  WriteFile(dir.File("lf/sigsys.txt"), "Mine\n" + body);
  WriteFile(dir.File("other/sigsys.txt"), "Other\n" + std::string(300, 'l') + "\n#end#\n");
  Choose("Mine");
  EXPECT_EQ(GetSignalSystemInfo(512), "First, line\r\nSecond line\r\n");
  WriteFile(dir.File("lf/sigsys.txt"), crlf);
  EXPECT_EQ(GetSignalSystemInfo(512), "First, line\r\nSecond line\r\n");
  EXPECT_LE(GetSignalSystemInfo(10).size(), 9u);

  Choose("Other");  // a long line is read in pieces, all of them kept
  EXPECT_EQ(GetSignalSystemInfo(512), std::string(300, 'l') + "\r\n");
  Choose("Nobody");
  EXPECT_EQ(GetSignalSystemInfo(512), "");
}

}  // namespace
