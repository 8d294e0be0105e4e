#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "platform/faulty_filesystem.h"
#include "platform/files.h"
#include "platform/random.h"
#include "script_test_support.h"
#include "scrprocs/decimal_text.h"
#include "scrprocs/uservars.h"
#include "test_support.h"
#include "ui/loadsave.h"

namespace {

class DollarIncludeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetGlobals();
    ResetUserVariables();
    global.browsefolder = scratch_.path();
    global.routetype = kRouteCsv;
    // A byte-order mark, LF line ends and no line end at the end.
    WriteFile(scratch_.File("sub/A.csv"), "\xEF\xBB\xBF" "10,.Beacon 1;2\n20,.Stop 1");
    WriteFile(scratch_.File("sub/nested.csv"), "$Include(a.csv)\n30,$include (deeper/b.csv:5)");
    WriteFile(scratch_.File("sub/deeper/b.csv"), "1,.x 1");
    WriteFile(scratch_.File("a(1).csv"), "P");
    WriteFile(scratch_.File("pos.csv"), "025,.Beacon 025;1,\n 7 ,x\r\n-5\n2.5");
    for (const char* name : {"one", "two", "three"}) WriteFile(scratch_.File(std::string(name) + ".csv"), name);
  }
  void TearDown() override { ResetUserVariables(); }

  ScratchDir scratch_;
  RecordedMessages messages_;
};

TEST_F(DollarIncludeTest, ReplacesTheDirectiveByTheFileText) {
  const struct {
    const char* in;
    const char* out;
  } cases[] = {
      {"$Include(sub\\a.csv)", "10,.Beacon 1;2\n20,.Stop 1"},
      {"x$INCLUDE \t(SUB/A.CSV)y", "x10,.Beacon 1;2\n20,.Stop 1y"},
      {"$Include(a(1).csv),", "P,"},
      {"0,; note $include(a(1).csv)\r\n", "0,; note P\r\n"},
      {"#definemacro<m>$Include(a(1).csv)#endmacro<>#macro<m>", "P"},
      // Offsets move statements that are only a number, exactly.
      {"$Include(pos.csv:100)", "125,.Beacon 025;1,\n 107 ,x\r\n95\n102.5"},
      {"$Include( pos.csv : -5.5 )", "19.5,.Beacon 025;1,\n 1.5 ,x\r\n-10.5\n-3"},
      {"$Include(pos.csv:0)", "025,.Beacon 025;1,\n 7 ,x\r\n-5\n2.5"},
      // Nested names resolve from the including file, offsets add up.
      {"$Include(sub\\nested.csv:100)", "110,.Beacon 1;2\n120,.Stop 1\n130,106,.x 1"},
      // Not a $Include: the text stays.
      {"$Include(a(1).csv\r\n)", "$Include(a(1).csv\r\n)"},
      {"$Include a(1).csv", "$Include a(1).csv"},
      {"$Includes(a(1).csv)", "$Includes(a(1).csv)"},
      {"$Include((a(1).csv)", "$Include((a(1).csv)"},
  };
  for (const auto& c : cases) {
    ResetUserVariables();
    bool ok = false;
    EXPECT_EQ(Preprocessed(c.in, &ok), c.out) << c.in;
    EXPECT_TRUE(ok) << c.in;
  }
  EXPECT_TRUE(messages_.errors.empty()) << messages_.errors.front();
}

TEST_F(DollarIncludeTest, SectionedRoutesIgnoreTheOffset) {
  global.routetype = kRouteSectioned;
  EXPECT_EQ(Preprocessed("$Include(pos.csv:100)"), "025,.Beacon 025;1,\n 7 ,x\r\n-5\n2.5");
}

TEST_F(DollarIncludeTest, WeightedChoiceDrawsOnceFromTheGenerator) {
  // Weights 2, 0 (counts as 1) and a missing one (1): k = draw % 4.
  const char* text = "$Include(one.csv; 2; two.csv; 0; three.csv)";
  std::string seen;
  for (std::uint32_t seed = 1; seed <= 20; ++seed) {
    platform::SeedRandom(seed);
    int k = platform::Random() % 4;
    const char* expected = k < 2 ? "one" : k == 2 ? "two" : "three";
    platform::SeedRandom(seed);
    EXPECT_EQ(Preprocessed(text), expected) << "seed " << seed;
    seen += expected;
  }
  for (const char* name : {"one", "two", "three"}) EXPECT_NE(seen.find(name), std::string::npos);

  // "2.9" is read as 2; a single file draws nothing.
  platform::SeedRandom(5);
  int k = platform::Random() % 3;
  platform::SeedRandom(5);
  EXPECT_EQ(Preprocessed("$Include(one.csv;2.9;two.csv)"), k < 2 ? "one" : "two");
  platform::SeedRandom(5);
  int first = platform::Random();
  platform::SeedRandom(5);
  Preprocessed("$Include(one.csv)");
  EXPECT_EQ(platform::Random(), first);
}

TEST_F(DollarIncludeTest, MissingFileIsReportedAndOnlyItsTextIsLost) {
  bool ok = true;
  EXPECT_EQ(Preprocessed("a$Include(sub\\nope.csv)b$Include(a(1).csv)", &ok), "abP");
  EXPECT_FALSE(ok);
  ASSERT_EQ(messages_.errors.size(), 1u);
  EXPECT_EQ(messages_.errors[0], "$include command, file not found.\n\n" +
                                     platform::JoinPath(scratch_.path(), "sub\\nope.csv"));
  // A ":" followed by no number belongs to the name.
  messages_.errors.clear();
  Preprocessed("$Include(pos.csv:x)", &ok);
  EXPECT_FALSE(ok);
  ASSERT_EQ(messages_.errors.size(), 1u);
  EXPECT_NE(messages_.errors[0].find("pos.csv:x"), std::string::npos);
}

TEST_F(DollarIncludeTest, RepeatedIncludesReadAndReportEachFileOnce) {
  // Repeated by a macro over two passes: each file is read once in the
  // reading, and each missing one said once.
  std::string text = "#definemacro<m>$Include(gone.csv)$Include(nope.csv)#include<a(1).csv>"
                     "#endmacro<>";
  for (int i = 0; i < 50; ++i) text += "#macro<m>$Include(nope.csv)$Include(a(1).csv)";
  platform::FaultyFileSystem files;
  platform::ScopedFileSystem scoped(&files);
  bool ok = true;
  EXPECT_EQ(Preprocessed(text, &ok), std::string(100, 'P'));
  EXPECT_FALSE(ok);
  EXPECT_EQ(files.Calls(platform::FileOperation::kRead), 3);
  ASSERT_EQ(messages_.errors.size(), 2u);
  EXPECT_NE(messages_.errors[0].find("nope.csv"), std::string::npos);
  EXPECT_NE(messages_.errors[1].find("gone.csv"), std::string::npos);
}

TEST_F(DollarIncludeTest, CycleStopsAtTheBoundOnPasses) {
  WriteFile(scratch_.File("self.csv"), "1,$Include(self.csv)");
  bool ok = true;
  Preprocessed("$Include(self.csv)", &ok);
  EXPECT_FALSE(ok);
  ASSERT_FALSE(messages_.errors.empty());
  EXPECT_EQ(messages_.errors.back(),
            "#include command, too many nested includes (circular includes?).");
}

TEST_F(DollarIncludeTest, UnclosedDirectivesOnOneLineTakeLinearTime) {
  std::string line;
  for (int i = 0; i < 200000; ++i) line += "$Include((";
  auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(Preprocessed(line + "\r\n"), line + "\r\n");
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

TEST(DecimalText, AddsExactly) {
  const struct {
    const char* a;
    const char* b;
    const char* sum;
  } cases[] = {
      {"025", "100", "125"},     {"0.1", "0.2", "0.3"},  {"2.5", "-5", "-2.5"},
      {"-0.5", "0.5", "0"},      {"1.50", "0", "1.5"},   {"-3", "-4.25", "-7.25"},
      {"0.05", "-0.1", "-0.05"}, {".5", "5.", "5.5"},    {"99999999999999999999", "1", "100000000000000000000"},
  };
  for (const auto& c : cases) EXPECT_EQ(AddDecimalTexts(c.a, c.b), c.sum) << c.a << " + " << c.b;
  for (const char* text : {"12", "-5", "2.5", ".5", "5."}) EXPECT_TRUE(IsDecimalText(text)) << text;
  for (const char* text : {"", "-", ".", "1.2.3", "+1", "1e3", " 1", "x"})
    EXPECT_FALSE(IsDecimalText(text)) << text;
}

}  // namespace
