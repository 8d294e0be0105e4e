#include <gtest/gtest.h>

#include <string>

#include "script_test_support.h"
#include "scrprocs/uservars.h"
#include "test_support.h"
#include "ui/loadsave.h"

namespace {

class PreProcessTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetUserVariables();
    global.browsefolder = scratch_.path();
  }
  void TearDown() override { ResetUserVariables(); }

  ScratchDir scratch_;
  RecordedMessages messages_;
};

TEST_F(PreProcessTest, CleanTexts) {
  ASSERT_TRUE(WriteFile(scratch_.File("parts/Stations.inc"), ".sta Hill,\r\n"));
  const struct {
    const char* in;
    const char* out;
  } cases[] = {
      {"#NOTES{}text#endnotes<>rest", "rest"},
      {"a#notes<>x#foo y#endnotes<>b", "ab"},
      {"#definemacro<m>body#endmacro<>a#macro<m>b#macro<m>", "abodybbody"},
      // Other directives go on in the table's spelling, parameters as text.
      {"#RND{1,2}#Else{}#SetValue<x,1>", "#rnd<1,2}#else<>#setvalue<x,1>"},
      {"#foo 100#", "#foo 100#"},
      {"0,#include<parts\\stations.INC>1", "0,.sta Hill,\r\n1"},
      // The include sets "changed", so the early use waits for pass two.
      {"#include<parts/Stations.inc>#macro<m>#definemacro<m>X#endmacro<>", ".sta Hill,\r\nX"},
  };
  for (const auto& c : cases) {
    ResetUserVariables();
    bool ok = false;
    EXPECT_EQ(Preprocessed(c.in, &ok), c.out) << c.in;
    EXPECT_TRUE(ok) << c.in;
  }
  EXPECT_TRUE(messages_.errors.empty());
}

TEST_F(PreProcessTest, Errors) {
  const std::string long_name(31, 'n');
  const std::string missing = scratch_.File("nowhere.inc");
  const struct {
    std::string in;
    const char* kept;  // the text processed before the error
    std::string error;
  } cases[] = {
      {"a#macro<nope>b", "a", "#macro command, macro with such name doesn't exist.\n\nnope"},
      {"#macro<m>#definemacro<m>X#endmacro<>", "",
       "#macro command, macro with such name doesn't exist.\n\nm"},
      {"a#include<nowhere.inc>b", "a", "#include command, file not found.\n\n" + missing},
      {"a#notes<>never ended", "a", "#notes command, #endnotes<> not found."},
      {"a#definemacro<m>never ended", "a", "#definemacro command, #endmacro<> not found.\n\nm"},
      {"a#definemacro<" + long_name + ">x#endmacro<>", "a",
       "#definemacro command, too long macro name.\n\n" + long_name},
      {"#definemacro<b>" + std::string(8191, 'x') + "#endmacro<>", "",
       "#definemacro command, too long macro body.\n\nb"},
  };
  for (const auto& c : cases) {
    ResetUserVariables();
    messages_.errors.clear();
    bool ok = true;
    EXPECT_EQ(Preprocessed(c.in, &ok), c.kept) << c.in;
    EXPECT_FALSE(ok) << c.in;
    ASSERT_EQ(messages_.errors.size(), 1u) << c.in;
    EXPECT_EQ(messages_.errors[0], c.error) << c.in;
  }
}

TEST_F(PreProcessTest, MacroNamesAndBodiesAtTheirLimits) {
  const std::string name(30, 'n');
  const std::string body(8190, 'b');
  bool ok = false;
  std::string out =
      Preprocessed("#definemacro<" + name + ">" + body + "#endmacro<>#macro<" + name + ">", &ok);
  EXPECT_TRUE(ok);
  EXPECT_EQ(out, body);
}

TEST_F(PreProcessTest, AllMacrosUsed) {
  std::string text;
  for (int i = 0; i < 65; ++i)
    text += "#definemacro<m" + std::to_string(i) + ">" + std::to_string(i) + "#endmacro<>";
  bool ok = true;
  Preprocessed(text, &ok);
  EXPECT_FALSE(ok);
  ASSERT_EQ(messages_.errors.size(), 1u);
  EXPECT_EQ(messages_.errors[0],
            "#definemacro command, no macro with specified name and all macros already "
            "used.\n\nm64");
}

TEST_F(PreProcessTest, RedefinitionReplacesTheBody) {
  EXPECT_EQ(Preprocessed("#definemacro<m>one#endmacro<>#macro<m>"
                         "#definemacro<m>two#endmacro<>#macro<m>"),
            "onetwo");
}

TEST_F(PreProcessTest, MacrosDoNotOutliveTheirRoute) {
  bool ok = false;
  EXPECT_EQ(Preprocessed("#definemacro<m>x#endmacro<>#macro<m>", &ok), "x");
  EXPECT_TRUE(ok);
  EXPECT_EQ(Preprocessed("#macro<m>", &ok), "");
  EXPECT_FALSE(ok);
}

TEST_F(PreProcessTest, IncludedFilesArePreprocessedToo) {
  ASSERT_TRUE(WriteFile(scratch_.File("a.inc"), "A#include<b.inc>#notes<>n#endnotes<>"));
  ASSERT_TRUE(WriteFile(scratch_.File("b.inc"), "B#definemacro<m>M#endmacro<>"));
  bool ok = false;
  EXPECT_EQ(Preprocessed("#include<a.inc>.#macro<m>", &ok), "AB.M");
  EXPECT_TRUE(ok);
}

TEST_F(PreProcessTest, CircularIncludesStop) {
  ASSERT_TRUE(WriteFile(scratch_.File("self.inc"), "x#include<self.inc>"));
  bool ok = true;
  std::string out = Preprocessed("#include<self.inc>", &ok);
  EXPECT_FALSE(ok);
  EXPECT_EQ(out, std::string(32, 'x') + "#include<self.inc>");
  ASSERT_EQ(messages_.errors.size(), 1u);
  EXPECT_EQ(messages_.errors[0],
            "#include command, too many nested includes (circular includes?).");

  // Two includes of itself double the text every pass.
  ASSERT_TRUE(WriteFile(scratch_.File("twice.inc"),
                        std::string(4096, 'y') + "#include<twice.inc>#include<twice.inc>"));
  messages_.errors.clear();
  Preprocessed("#include<twice.inc>", &ok);
  EXPECT_FALSE(ok);
  ASSERT_EQ(messages_.errors.size(), 1u);
  EXPECT_EQ(messages_.errors[0].rfind("#include command, the route grows too large", 0), 0u)
      << messages_.errors[0];
}

TEST_F(PreProcessTest, MacrosThatMultiplyStop) {
  // Each pass doubles the uses of "a", and the include at the front asks
  // for another pass every time: without a bound on the text this grows
  // as 2^passes.
  ASSERT_TRUE(WriteFile(scratch_.File("again.inc"), "#include<again.inc>"));
  bool ok = true;
  std::string out = Preprocessed("#include<again.inc>#definemacro<a>" + std::string(1000, 'y') +
                                     "#macro<a>#macro<a>#endmacro<>#macro<a>",
                                 &ok);
  EXPECT_FALSE(ok);
  EXPECT_LT(out.size(), 64u * 1024 * 1024);
  ASSERT_EQ(messages_.errors.size(), 1u);
  EXPECT_EQ(messages_.errors[0],
            "#macro command, the route grows too large (recursive macros?).\n\na");
}

TEST_F(PreProcessTest, SubstitutionsThatMultiplyStop) {
  // Seven characters of "$sub(1)" write the whole list again: a route of a
  // megabyte could ask for gigabytes.
  std::string text = "$sub(1)=" + std::string(30000, 'x') + ",";
  for (int i = 0; i < 700; ++i) text += "$sub(1)";
  bool ok = true;
  std::string out = Preprocessed(text, &ok);
  EXPECT_FALSE(ok);
  EXPECT_LT(out.size(), 17u * 1024 * 1024);
  ASSERT_EQ(messages_.errors.size(), 1u);
  EXPECT_EQ(messages_.errors[0], "$sub command, the route grows too large.");
}

// The bound counts growth only: a route longer than the bound itself is
// preprocessed whole, its $ functions at the end included.
TEST_F(PreProcessTest, ALongRouteIsNotTakenForGrowth) {
  std::string text(16 * 1024 * 1024 + 100, 'x');
  text += "$Rnd(3;3)$sub(0)=a,$sub(0)";
  bool ok = false;
  std::string out = Preprocessed(text, &ok);
  EXPECT_TRUE(ok);
  EXPECT_TRUE(messages_.errors.empty());
  EXPECT_EQ(out.size(), 16u * 1024 * 1024 + 100 + 2);
  EXPECT_EQ(out.substr(out.size() - 2), "3a");
}

TEST_F(PreProcessTest, DollarFunctions) {
  const struct {
    const char* in;
    const char* out;
  } cases[] = {
      // The free text of an assignment ends at the first ",".
      {"$sub(1)=a,b\n$sub(1)", "b\na"},
      {"$sub(1)=a;b\n[$sub(1)]", "[a;b]"},
      {"$Sub(0)=800\n.Curve -$SUB(0); 0,", ".Curve -800; 0,"},
      {"$rnd(2;2)|$RND(7;7)", "2|7"},
      {"[$sub(2)]", "[]"},
      // An index out of range writes nothing and keeps its closing character.
      {"$sub(40)|", ")|"},
      {"$sub(32)=x\ny", "\ny"},
      {"a$b $", "a$b $"},
      // The lists live for one pass: the expansion is read again in the
      // second pass, which starts with empty lists.
      {"$sub(1)=a\n#definemacro<m>[$sub(1)]#endmacro<>#macro<m>", "[]"},
  };
  for (const auto& c : cases) {
    bool ok = false;
    EXPECT_EQ(Preprocessed(c.in, &ok), c.out) << c.in;
    EXPECT_TRUE(ok) << c.in;
  }
  bool seen[4] = {};
  for (int i = 0; i < 100; ++i) {
    int v = std::stoi(Preprocessed("$rnd(3;1)"));
    ASSERT_GE(v, 1);
    ASSERT_LE(v, 3);
    seen[v] = true;
  }
  EXPECT_TRUE(seen[1] && seen[2] && seen[3]);
}

}  // namespace
