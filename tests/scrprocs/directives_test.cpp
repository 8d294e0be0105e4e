#include "scrprocs/directives.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct NameCase {
  const char* after_hash;  // the text that follows a "#"
  int only;
  int index;
  char next;  // the character read next (0 for the end)
};

TEST(ScrDirectivesTest, RecognisesNamesInFiles) {
  const NameCase cases[] = {
      {"ELSE{}x", -1, kScrElse, 'x'},
      {"else<>x", -1, kScrElse, 'x'},
      {"rndset<x>", -1, kScrRndSet, 'x'},
      {"rnd<1,2>", -1, kScrRnd, '1'},
      {"Rnd25{0,100}", -1, kScrRnd25, '0'},
      {"not<1,2>", -1, kScrNot, '1'},
      {"notes<>x", -1, kScrNotes, 'x'},
      {"selectedtrain<>.", -1, kScrSelectedTrain, '.'},
      {"continue<>", -1, kScrContinue, '>'},
      {"endnotes<>z", kScrEndNotes, kScrEndNotes, 'z'},
      {"notes<>", kScrEndNotes, -1, 'n'},
      {"endmacro<>", kScrEndNotes, -1, 'e'},
      {"foo", -1, -1, 'f'},
      {"rnd", -1, -1, 'r'},
      {"rnd 1", -1, -1, 'r'},
      {"", -1, -1, 0},
  };
  for (const NameCase& c : cases) {
    auto file = BufferedFile::FromText(std::string("#") + c.after_hash);
    file->getchar();
    EXPECT_EQ(GetNextScrCommand(file.get(), c.only, false), c.index) << c.after_hash;
    int next = file->getchar();
    EXPECT_EQ(next == -1 ? 0 : next, c.next) << c.after_hash;
  }
}

TEST(ScrDirectivesTest, KeepPositionLeavesWhatWasRead) {
  // "f" rules out every name; the character after it is read as well.
  auto file = BufferedFile::FromText("#fox");
  file->getchar();
  EXPECT_EQ(GetNextScrCommand(file.get(), -1, true), -1);
  EXPECT_EQ(file->getchar(), 'x');
}

TEST(ScrDirectivesTest, RecognisesNamesInTexts) {
  const NameCase cases[] = {
      {"ELSE{}x", -1, kScrElse, 'x'},
      {"rnd25<0,100>", -1, kScrRnd25, '0'},
      {"rndset<a>", -1, kScrRndSet, 'a'},
      {"foo", -1, -1, 'f'},
      {"", -1, -1, 0},
  };
  for (const NameCase& c : cases) {
    std::string text = c.after_hash;
    ScrText cursor{text, 0};
    EXPECT_EQ(GetNextScrCommand(&cursor), c.index) << c.after_hash;
    EXPECT_EQ(cursor.AtEnd() ? 0 : text[cursor.pos], c.next) << c.after_hash;
  }
}

struct ParamCase {
  const char* text;
  const char* param;
  int terminator;
  char next;
};

TEST(ScrDirectivesTest, ReadsOneParameterToItsTerminator) {
  const ParamCase cases[] = {
      {"#value<a>,2>r", "#value<a>", ',', '2'},
      {"2>rest", "2", '>', 'r'},
      {"x}y", "x", '}', 'y'},
      {"<a,b>c>d", "<a,b>c", '>', 'd'},
      {"a;b,c", "a;b", ',', 'c'},
      {" a \r\nb", " a \r", '\n', 'b'},
      {"<deep\nx", "<deep", '\n', 'x'},
      {"open", "open", -1, 0},
  };
  for (const ParamCase& c : cases) {
    auto file = BufferedFile::FromText(c.text);
    std::string raw;
    EXPECT_EQ(ReadRawScrParameter(file.get(), &raw), c.terminator) << c.text;
    EXPECT_EQ(raw, c.param) << c.text;
    int next = file->getchar();
    EXPECT_EQ(next == -1 ? 0 : next, c.next) << c.text;

    std::string text = c.text;
    ScrText cursor{text, 0};
    EXPECT_EQ(ReadRawScrParameter(&cursor, &raw), c.terminator) << c.text;
    EXPECT_EQ(raw, c.param) << c.text;
    EXPECT_EQ(cursor.AtEnd() ? 0 : text[cursor.pos], c.next) << c.text;
  }
}

TEST(ScrDirectivesTest, AddReadsNestedFirstParameter) {
  auto file = BufferedFile::FromText("#add<#value<a>,2>tail");
  file->getchar();
  ASSERT_EQ(GetNextScrCommand(file.get(), -1, false), kScrAdd);
  std::string raw;
  EXPECT_EQ(ReadRawScrParameter(file.get(), &raw), ',');
  EXPECT_EQ(raw, "#value<a>");
  EXPECT_EQ(ReadRawScrParameter(file.get(), &raw), '>');
  EXPECT_EQ(raw, "2");
  EXPECT_EQ(file->getchar(), 't');
}

TEST(ScrDirectivesTest, ParameterIsEvaluatedAndCutAfterReadingItWhole) {
  auto file = BufferedFile::FromText("abcdefghij#rnd<3,3>>tail");
  std::string value;
  EXPECT_EQ(GetNextScrParameter(file.get(), &value, 4), '>');
  EXPECT_EQ(value, "abcd");
  EXPECT_EQ(file->getchar(), 't');
}

TEST(ScrDirectivesTest, WholeListCopiesUpToMatchingBracket) {
  auto file = BufferedFile::FromText("a,<b>\nc}d");
  std::string all;
  GetAllScrParameters(file.get(), &all);
  EXPECT_EQ(all, "a,<b>\nc");
  EXPECT_EQ(file->getchar(), 'd');

  auto open = BufferedFile::FromText("never closed");
  GetAllScrParameters(open.get(), &all);
  EXPECT_EQ(all, "never closed");
}

TEST(ScrDirectivesTest, ParameterListStopsAtItsClose) {
  auto file = BufferedFile::FromText("only>after,x>");
  ScrParameterList<BufferedFile> params(file.get());
  EXPECT_EQ(params.Next(100), "only");
  EXPECT_TRUE(params.closed());
  EXPECT_EQ(params.Next(100), "");  // the text after the list is not taken
  EXPECT_EQ(file->getchar(), 'a');

  auto extra = BufferedFile::FromText("a,b,<c,d>>rest");
  ScrParameterList<BufferedFile> more(extra.get());
  EXPECT_EQ(more.Next(100), "a");
  more.DropRest();
  EXPECT_EQ(extra->getchar(), 'r');
}

}  // namespace
