#include "rte2int/recognizer.h"

#include <gtest/gtest.h>

#include <cctype>
#include <random>
#include <string>
#include <vector>

#include "core/Stack.h"
#include "rte2int/commands.h"
#include "tests/rte2int/same_recognition.h"

namespace {

struct Recognized {
  int index;
  std::string params;
  int next;  // what the caller's next getchar() returns
};

// Reads the character at `pos` (-1: before the text) as a caller would,
// then recognises.
Recognized Recognize(const std::string& text, bool csv, int first, int last, int pos = 0) {
  auto file = BufferedFile::FromText(text);
  file->setpos(pos, 0);
  file->getchar();
  std::vector<char> params(kRecognizerParamsSize);
  int index = GetNextCommand(file.get(), csv, params.data(), first, last);
  return {index, index == kCmdNone ? "" : params.data(), file->getchar()};
}

TEST(RecognizerTest, MatchesWithParametersAndLeavesTheTerminator) {
  struct Case {
    const char* text;
    bool csv;
    int first, last, pos;
    int index;
    const char* params;
    int next;
  };
  const Case cases[] = {
      // The byte before the first character satisfies the leading separator.
      {"With Route\r\n", true, 0, 13, -1, 1, "", '\r'},
      {"with  TRACK,", true, 0, 13, -1, 6, "", ','},
      {".RAIL 1;2,", true, 14, 102, 0, 60, "1;2", ','},
      {".rail 1;2,", true, 14, 102, 0, 60, "1;2", ','},
      {".Rail(1) 2,", true, 14, 102, 0, 25, "1;2", ','},
      {".Rail(1) x.csv,", true, 14, 102, 0, 30, "1;x.csv", ','},
      {".Pole(0;1) p.csv\n", true, 14, 102, 0, 31, "0;1;p.csv", '\n'},
      // A comment followed only by white space takes the next line.
      {".Comment   \r\nnext line,", true, 14, 102, 0, 14, "next line", ','},
      {".curve 300;20\r\n", true, 14, 102, 0, 64, "300;20", '\r'},
      // A terminator at the end of the input is not stepped back over.
      {".pitch 3", true, 14, 102, 0, 65, "3", -1},
      {",100,", true, 0, 13, 0, 0, "100", ','},
      {"\n1500.5\n", true, 0, 13, 0, 0, "1500.5", '\n'},
      // The count of 2 lets ")" appear in the first two fields.
      {"Station(A (north); 10.00; 10.30; 0; x; y)\n", false, 0, 102, 0, 76,
       "A (north); 10.00; 10.30; 0; x; y", ')'},
      {"Rail(1;2@Curve(3)", false, 0, 102, 0, 60, "1;2", '@'},
      {"Height(1)", false, 0, 102, 0, 85, "1", ')'},
      {"[Railway]\n", false, 1, 6, 0, 6, "", ']'},
      {"[ object ]", false, 1, 6, 0, 3, "", ']'},
      {" Rail(1) = rail1.b3d\r\n", false, 0, 102, 0, 30, "1;rail1.b3d", '\r'},
      {" File = a.csv; b\n", false, 0, 102, 0, 24, "a.csv; b", '\n'},
      {"$rnd(3; 1)x", false, 100, 102, 0, 100, "3;1", ')'},
      {"$sub(4)=a,b", false, 100, 102, 0, 101, "4;a", ','},
      {"$sub(4)x", false, 100, 102, 0, 102, "4", ')'},
  };
  for (const Case& c : cases) {
    Recognized r = Recognize(c.text, c.csv, c.first, c.last, c.pos);
    EXPECT_EQ(r.index, c.index) << c.text;
    EXPECT_EQ(r.params, c.params) << c.text;
    EXPECT_EQ(r.next, c.next) << c.text;
  }
}

TEST(RecognizerTest, NoMatchRestoresThePosition) {
  const char* texts[] = {
      ".nothing 1,",
      ".gauge x,",
      "Rail(1;2\r\nmore)",  // free text may not run over a line end
      " Run(1) = 2\n",       // a pattern ending in a number never completes
      " Flange(1) = 2\n",
      "",
  };
  for (const char* text : texts) {
    auto file = BufferedFile::FromText(text);
    file->setpos(0, 0);
    int c = file->getchar();
    std::vector<char> params(kRecognizerParamsSize);
    EXPECT_EQ(GetNextCommand(file.get(), std::string(text)[0] == '.', params.data(), 0, 102),
              kCmdNone)
        << text;
    EXPECT_EQ(file->getpos(), c == -1 ? 0 : 1) << text;
  }
}

TEST(RecognizerTest, ParameterTextStopsAtItsCapacity) {
  std::string text = ".comment " + std::string(40000, 'x') + ",";
  Recognized r = Recognize(text, true, 14, 102);
  EXPECT_EQ(r.index, kCmdComment);
  EXPECT_EQ(r.params.size(), static_cast<size_t>(kRecognizerParamsSize - 1));
  EXPECT_EQ(r.next, ',');
}

// Random text made of the pieces patterns look for, so that partial
// matches, numbers, separators and line ends are frequent.
std::string RandomRouteText(std::mt19937& rng, int length) {
  static const char* const pieces[] = {
      ".", ",", ";", "(", ")", "@", " ", "\t", "\r\n", "\n", "\r", "=", "[", "]", "$", "1",
      "25", "-3.5", "0", "rail", "Rail", "railstart", "sta", "station", "with", " Track",
      "route", "comment", "pole", "form", "height", "sub", "rnd", "chr", "signal", "sig",
      "freeobj", "ground", "params", "load", "x.csv", "\xA3", "\xA7", "\xC3\xA9", "\0",
      "With Track", "Railway", "object", "timetable", "day", "developerid", "file", "%",
      "\xFF", "\xC0",
      // Whole commands, which random neighbours may spoil or extend.
      ".rail 1;2,", ".Sta A;10.30;10.31,", "Rail(1;2)", " Rail(1) = x\n", "$rnd(1;3)",
      "$sub(2)=a;b\n", "Height(2)", "Form(1;9;2;3)", "Station(A (b);1;2)", ".Pole(0;1) x,",
      "With Route\n", "[Railway]\n", ".comment x,", "100,", " 250 ", ".Signal(3) 4,",
      ".timetable(1).day.load t.png,", ".ground(1).params 2,", " Ground(3) = g\n",
  };
  std::string text;
  std::uniform_int_distribution<size_t> pick(0, sizeof pieces / sizeof pieces[0] - 1);
  while (static_cast<int>(text.size()) < length) {
    const char* p = pieces[pick(rng)];
    text += p[0] == '\0' ? std::string("x") : std::string(p);
  }
  return text;
}

TEST(RecognizerTest, IndexedScanEqualsThePlainScan) {
  std::mt19937 rng(12345);
  struct Range {
    bool csv;
    int first, last;
  };
  const Range ranges[] = {{true, 0, 13}, {true, 14, 102},   {true, 0, 102}, {false, 0, 102},
                          {false, 1, 6}, {false, 100, 102}, {false, 30, 80}};
  int matches = 0;
  for (int round = 0; round < 40; ++round) {
    std::string text = RandomRouteText(rng, 400);
    for (const Range& range : ranges)
      matches += ExpectRecognitionAsThePlainWalk(text, range.csv, range.first, range.last, "");
  }
  EXPECT_GT(matches, 1000);  // the text really exercises the patterns
}

// Text written after a pattern: each pattern character filled in the way
// the input may meet it (white space, numbers, free text with separators,
// "@" for ")", letters in either case), now and then a character spoiled.
std::string FromPattern(const char* pattern, std::mt19937& rng) {
  static const char* const spaces[] = {"", " ", "\t", "  ", "\r\n", "\n"};
  static const char* const numbers[] = {"1", "-2.5", "25", ".", "007", "1-2"};
  static const char* const texts[] = {"a", "x y", "a;b", "a,b", "A(B)", "1;2;3", "", "q@r"};
  std::string text;
  for (const char* p = pattern; *p; ++p) {
    char c = *p;
    if (c == '\xA3')
      text += spaces[rng() % 6];
    else if (c == '+')
      text += numbers[rng() % 6];
    else if (c == '*')
      text += texts[rng() % 8];
    else if (c == '!' || c == '&' || c == '\xA7')
      text += " ,\r@)"[rng() % (c == '\xA7' ? 5 : 3)];
    else if (c == '%')
      text += "\r\n"[rng() % 2];
    else if (c == ')')
      text += rng() % 4 == 0 ? '@' : ')';
    else if (c >= '1' && c <= '9')
      continue;
    else
      text += rng() % 3 == 0 ? static_cast<char>(std::toupper(static_cast<unsigned char>(c))) : c;
    if (rng() % 40 == 0) text += "x\0\xFF;,"[rng() % 5];
  }
  return text;
}

// Every pattern of both tables, met by texts made after it: the compiled
// patterns and the start index find what the plain walk finds.
TEST(RecognizerTest, EveryPatternMatchesAsThePlainWalk) {
  std::mt19937 rng(2024);
  int matches = 0;
  for (bool csv : {true, false}) {
    const char(*table)[kCommandFieldSize] = csv ? csvcom : rwcom;
    for (int index = 0; index < kCommandCount; ++index) {
      if (table[index][0] == '\0') continue;
      for (int round = 0; round < 30; ++round) {
        std::string text = " " + FromPattern(table[index], rng) + ", " +
                           FromPattern(table[rng() % kCommandCount], rng);
        matches += ExpectRecognitionAsThePlainWalk(text, csv, 0, kCommandCount - 1,
                                                   "pattern " + std::to_string(index));
      }
    }
  }
  EXPECT_GT(matches, 5000);
}

// Trying the comma-separated entries and then the sectioned ones in one
// call gives what the two calls give.
TEST(RecognizerTest, BothTablesInOneCallEqualTwoCalls) {
  std::mt19937 rng(99);
  auto twoCalls = [](BufferedFile* f, char* p) {
    int index = GetNextCommand(f, true, p, 0, 13);
    if (index != kCmdNone) return index;
    index = GetNextCommand(f, false, p, 0, 102);
    return index == kCmdNone ? index : index + 1000;
  };
  auto oneCall = [](BufferedFile* f, char* p) {
    bool csv = false;
    int index = GetNextCommandInEither(f, p, 0, 13, 0, 102, &csv);
    return index == kCmdNone || csv ? index : index + 1000;
  };
  for (int round = 0; round < 20; ++round)
    ExpectSameRecognition(RandomRouteText(rng, 400), twoCalls, oneCall, "");
}

std::vector<std::string> Sift(const std::string& text) {
  Stack stack;
  SiftParameters(text.c_str(), &stack);
  std::vector<std::string> pieces;
  while (!stack.IsEmpty()) pieces.push_back(stack.PopString(true));
  return pieces;
}

TEST(RecognizerTest, SiftSplitsAtSeparatorsAndLongPieces) {
  using V = std::vector<std::string>;
  EXPECT_EQ(Sift("a;b,c"), (V{"a", "b", "c"}));
  EXPECT_EQ(Sift("1; 2;"), (V{"1", " 2", ""}));
  EXPECT_EQ(Sift(""), (V{""}));
  std::string full(510, 'x');
  EXPECT_EQ(Sift(full + ";y"), (V{full, "y"}));
  EXPECT_EQ(Sift(std::string(1200, 'z')), (V{std::string(510, 'z'), std::string(510, 'z'),
                                             std::string(180, 'z')}));
}

std::string Written(int index, const std::string& params) {
  BufferedFile out(16, true);
  std::vector<char> text(params.begin(), params.end());
  text.push_back('\0');
  WriteCommand(&out, index, text.data());
  return std::string(out.view());
}

TEST(RecognizerTest, WriteCommandEncodesFields) {
  EXPECT_EQ(Written(kCmdNone, "1;2"), "");
  EXPECT_EQ(Written(-1, "1"), "");
  EXPECT_EQ(Written(60, " 1; 2;"), std::string("\x5C!1!2 \r\n"));
  EXPECT_EQ(Written(6, ""), std::string("&\r\n"));
  EXPECT_EQ(Written(kCmdCleanup, "0;25"), std::string("\x1E!0\"25\r\n"));
  EXPECT_EQ(Written(102, "3"), std::string("\x86!3\r\n"));
  std::string f221(221, 'a'), f222(222, 'b');
  EXPECT_EQ(Written(24, f221), std::string("8\xFD") + f221 + "\r\n");
  EXPECT_EQ(Written(24, f222), std::string("8\x1F!\x20") + f222 + "\r\n");
}

TEST(RecognizerTest, PositionalLookupReadsBothPrefixForms) {
  std::string f222(222, 'b'), f5000(5000, 'c');
  std::string line = Written(60, "7;" + f222 + ";2.5;" + f5000 + ";x");
  std::vector<char> out(kRecognizerParamsSize);
  const char* expected[] = {"7", f222.c_str(), "2.5", f5000.c_str(), "x", ""};
  for (int k = 1; k <= 6; ++k) {
    GetCmdParameter_privatecall(line.c_str(), k, out.data());
    EXPECT_STREQ(out.data(), expected[k - 1]) << k;
  }
  EXPECT_FLOAT_EQ(GetCmdParameter(line.c_str(), 1), 7);
  EXPECT_FLOAT_EQ(GetCmdParameter(line.c_str(), 3), 2.5f);
  EXPECT_FLOAT_EQ(GetCmdParameter(line.c_str(), 2), 0);  // not a number
  EXPECT_FLOAT_EQ(GetCmdParameter(line.c_str(), 9), 0);  // absent
  // A length prefix that claims more than the line holds stops at its end.
  GetCmdParameter_privatecall("\x5C\x7F" "abc", 1, out.data());
  EXPECT_STREQ(out.data(), "abc");
  GetCmdParameter_privatecall("\x5C\x1F", 1, out.data());
  EXPECT_STREQ(out.data(), "");
}

}  // namespace
