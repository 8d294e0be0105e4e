#include "int2rte/readhelpers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "intermediate_builder.h"
#include "rte2int/commands.h"
#include "rte2int/intermediate.h"

namespace {

std::vector<std::string> FieldsOf(const std::string& line) {
  Stack fields;
  GetParameters(line, &fields);
  std::vector<std::string> out;
  while (!fields.IsEmpty()) out.push_back(fields.PopString(true));
  return out;
}

std::string Written(int command, const std::vector<std::string>& fields) {
  BufferedFile out(64, true);
  Stack stack;
  for (const std::string& f : fields) stack.PushE(f);
  WriteCommand(&out, command, &stack);
  return std::string(out.view());
}

// Reads the rest of a file line by line, as the writer does, and returns
// the index of each line that is not blank.
std::vector<int> RemainingIndices(BufferedFile* file) {
  std::vector<int> indices;
  std::string_view line;
  while (ReadIntermediateLine(file, &line)) {
    int index = IntermediateCommand(line);
    if (index >= -2) indices.push_back(index);
  }
  return indices;
}

TEST(GetParametersTest, SplitsBothPrefixFormsFirstFieldOnTop) {
  std::string long222(222, 'a');
  std::string long500(500, 'b');
  struct Case {
    std::string line;
    std::vector<std::string> fields;
  } cases[] = {
      {Cmd(60, "1;2.5;0;3"), {"1", "2.5", "0", "3"}},
      {Cmd(64), {}},
      {Cmd(24, "a;"), {"a", ""}},
      {Cmd(84, long222 + ";x"), {long222, "x"}},
      {Cmd(84, "y;" + long500), {"y", long500}},
      // A prefix that claims more than the line holds takes what is left.
      {std::string("\x5C") + "\x28" + "abc\r\n", {"abc"}},
      // A long prefix cut short by the line end gives no field.
      {std::string("\x5C\x1F\x21\r\n"), {}},
      // Reading stops at the line end even without CR.
      {std::string("\x5C\x21q\n\x5C\x21z"), {"q"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FieldsOf(c.line), c.fields) << "line: " << c.line;
  }
}

TEST(WriteCommandTest, UsesCleanSpellings) {
  struct Case {
    int command;
    std::vector<std::string> fields;
    std::string expected;
  } cases[] = {
      {kCmdFreeObj, {"3", "2", "1.5", "0"}, ".freeobj 3;2;1.5;0,"},
      {kCmdCurve, {"300", "20"}, ".curve 300;20,"},
      {kCmdDistance, {"100"}, "\r\n100,"},
      {kCmdCurve, {}, ".curve ,"},
      // Every "+" but the last takes one field.
      {18, {"2", "sig.bmp", "extra"}, "\r\n.signal(2) sig.bmp;extra,"},
      {kCmdPoleIndexed, {"1", "2"}, "\r\n.pole(1;2) ,"},
      {kCmdWithTrack, {"ignored"}, "\r\nwith track\r\n"},
      {kCmdDeveloperId, {"40372958"}, "\r\nroute.developerid 40372958"},
      {kCmdCleanup, {"0", "5"}, "\r\n"},
      {-1, {"x"}, ""},
      {103, {"x"}, ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Written(c.command, c.fields), c.expected) << "command " << c.command;
  }
}

TEST(WriteCommandTest, LineBreakOnlyBeforeDefinitions) {
  BufferedFile out(64, true);
  Stack f;
  f.PushE(25);
  WriteCommand(&out, kCmdDistance, &f);
  f.PushE(1);
  f.PushE(2.5f);
  WriteCommand(&out, kCmdRail, &f);
  WriteCommand(&out, kCmdWithTrack, nullptr);
  EXPECT_EQ(std::string(out.view()), "\r\n25,.rail 1;2.500000,\r\nwith track\r\n");
}

TEST(GetTrkTest, TakesOffsetsOfOneRailWithinTheBlock) {
  std::string text = Cmd(60, "2;9;9;9") + Cmd(62, "1;7") + Cmd(60, "1;3.5;0.5") + Cmd(60, "1;4") +
                     Cmd(kCmdDistance, "25") + Cmd(60, "1;8");
  auto file = BufferedFile::FromText(text);

  Track first;
  EXPECT_EQ(GetTrk(file.get(), first, 1, false, false), kCmdRail);
  EXPECT_FLOAT_EQ(first.x, 3.5f);
  EXPECT_FLOAT_EQ(first.y, 0.5f);
  EXPECT_EQ(first.type, 7);  // the rail type line on the way is taken
  EXPECT_EQ(file->getpos(), 0);

  Track whole;
  EXPECT_EQ(GetTrk(file.get(), whole, 1, true, false), kCmdRail);
  EXPECT_FLOAT_EQ(whole.x, 4.0f);  // the last in the block wins, not the one after 25
  EXPECT_FLOAT_EQ(whole.y, 0.5f);

  Track none;
  none.x = 1.25f;
  EXPECT_EQ(GetTrk(file.get(), none, 5, true, false), -1);
  EXPECT_FLOAT_EQ(none.x, 1.25f);
  EXPECT_EQ(file->getpos(), 0);
}

TEST(GetTrkTest, BareRailEndMatchesBareRailDoesNot) {
  auto file = BufferedFile::FromText(Cmd(60, "3") + Cmd(59, "3") + Cmd(61, "3"));
  Track t;
  t.x = 2;
  t.y = 1;
  t.type = 4;
  EXPECT_EQ(GetTrk(file.get(), t, 3, false, false), kCmdRailEnd);
  EXPECT_FLOAT_EQ(t.x, 2);
  EXPECT_FLOAT_EQ(t.y, 1);
  EXPECT_EQ(t.type, 4);
}

TEST(GetTrkTest, ConsumeRemovesOnlyTakenLines) {
  auto file = BufferedFile::FromText(Cmd(60, "1;2") + Cmd(64, "300") + Cmd(60, "1;3") +
                                     Cmd(kCmdDistance, "25"));
  Track t;
  EXPECT_EQ(GetTrk(file.get(), t, 1, true, true), kCmdRail);
  EXPECT_EQ(RemainingIndices(file.get()), (std::vector<int>{kCmdCurve, kCmdDistance}));
}

TEST(GetTurnTest, SlopeBetweenLeftAndTakenRail) {
  struct Case {
    const char* name;
    std::string text;
    int fromRail;
    float fromX;
    int toRail;
    float toX;
    float slope;
  } cases[] = {
      {"same rail, no rail lines", Cmd(64, "300"), 1, 1.0f, 1, 3.5f, 0.1f},
      {"rail taken in the next block",
       Cmd(60, "0;0") + Cmd(kCmdDistance, "125") + Cmd(60, "2;-2.5") + Cmd(kCmdDistance, "150") +
           Cmd(60, "2;-9"),
       0, 0.0f, 2, -1.0f, -0.1f},
      {"rail left read in this block",
       Cmd(60, "2;5") + Cmd(kCmdDistance, "125") + Cmd(60, "0;0"), 2, 4.0f, 0, 0.0f, -0.2f},
      {"same rail follows its own line", Cmd(60, "3;2.5"), 3, 0.0f, 3, 9.0f, 0.0f},
      {"a distance off the grid does not open the next block",
       Cmd(kCmdDistance, "110") + Cmd(60, "2;5"), 0, 0.0f, 2, 0.0f, 0.0f},
      // Positions off the 25 m grid after the following block: the look-ahead
      // ends there instead of running on to the end of the file.
      {"taken rail beyond the following block",
       Cmd(kCmdDistance, "125") + Cmd(kCmdDistance, "160") + Cmd(60, "2;5"), 0, 0.0f, 2, 1.0f,
       0.04f},
      {"left rail beyond the following block", Cmd(kCmdDistance, "160") + Cmd(60, "0;2"), 0, 0.0f,
       2, 1.0f, 0.04f},
      // A position that goes back (kept by the clean-up, which reports it)
      // ends the look-ahead too.
      {"taken rail after the position went back",
       Cmd(kCmdDistance, "125") + Cmd(kCmdDistance, "90") + Cmd(60, "2;5"), 0, 0.0f, 2, 1.0f,
       0.04f},
      {"taken rail after the position came back to the start",
       Cmd(kCmdDistance, "125") + Cmd(kCmdDistance, "100") + Cmd(kCmdDistance, "125") +
           Cmd(60, "2;5"),
       0, 0.0f, 2, 1.0f, 0.04f},
      {"taken rail off the grid inside the following block",
       Cmd(kCmdDistance, "125") + Cmd(kCmdDistance, "140") + Cmd(60, "2;5"), 0, 0.0f, 2, 1.0f,
       0.2f},
  };
  for (const Case& c : cases) {
    auto file = BufferedFile::FromText(c.text);
    float slope = 99;
    GetTurn(file.get(), 100, slope, c.fromRail, c.fromX, c.toRail, c.toX);
    EXPECT_FLOAT_EQ(slope, c.slope) << c.name;
    EXPECT_EQ(file->getpos(), 0) << c.name;
  }
}

TEST(GetCmdTest, RemoveTakesFirstAndDeletesEveryLineOfTheIndexInTheBlock) {
  std::string text = Cmd(66, "0.01") + Cmd(60, "1;2") + Cmd(66, "0.02;x") + Cmd(kCmdDistance, "25") +
                     Cmd(66, "0.03");
  auto file = BufferedFile::FromText(text);
  int before = file->size();
  Stack out;
  EXPECT_TRUE(GetCmd(file.get(), &out, kCmdTurn, false, true, -1));
  EXPECT_EQ(out.Size(), 1);
  EXPECT_EQ(out.PopString(true), "0.01");
  EXPECT_EQ(file->getpos(), 0);
  EXPECT_EQ(file->size(), before);  // nothing shifted
  EXPECT_EQ(RemainingIndices(file.get()), (std::vector<int>{kCmdRail, kCmdDistance, kCmdTurn}));

  file->setpos(0, 0);
  EXPECT_FALSE(GetCmd(file.get(), &out, kCmdTurn, true, true, -1));
  EXPECT_TRUE(out.IsEmpty());
}

TEST(GetCmdTest, ChoosesFirstOrLastAndFiltersByRail) {
  std::string text = Cmd(62, "1;4") + Cmd(62, "0;5") + Cmd(62, "0;6") + Cmd(62, "2;7") +
                     Cmd(kCmdDistance, "25") + Cmd(62, "0;8");
  auto file = BufferedFile::FromText(text);
  struct Case {
    bool wholeBlock;
    int rail;
    std::string first, second;
  } cases[] = {
      {false, -1, "1", "4"}, {true, -1, "2", "7"}, {false, 0, "0", "5"},
      {true, 0, "0", "6"},   {true, 2, "2", "7"},
  };
  for (const Case& c : cases) {
    Stack out;
    EXPECT_TRUE(GetCmd(file.get(), &out, kCmdRailType, c.wholeBlock, false, c.rail))
        << c.wholeBlock << " rail " << c.rail;
    EXPECT_EQ(out.PopString(true), c.first) << c.wholeBlock << " rail " << c.rail;
    EXPECT_EQ(out.PopString(true), c.second) << c.wholeBlock << " rail " << c.rail;
    EXPECT_EQ(file->getpos(), 0);
  }
  Stack out;
  EXPECT_FALSE(GetCmd(file.get(), &out, kCmdRailType, true, false, 3));
}

TEST(GetCmdTest, BlockEndsAtFirstDistanceLine) {
  auto file = BufferedFile::FromText(Cmd(kCmdDistance, "0") + Cmd(64, "300"));
  Stack out;
  EXPECT_FALSE(GetCmd(file.get(), &out, kCmdCurve, true, false, -1));
  std::string_view line;
  ASSERT_TRUE(ReadIntermediateLine(file.get(), &line));
  EXPECT_TRUE(GetCmd(file.get(), &out, kCmdCurve, true, false, -1));
}

}  // namespace
