#include "route_check.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "rte2int/commands.h"

namespace {

using kavosim::CheckRoute;
using kavosim::RouteSummary;

std::string ProblemsOf(const RouteSummary& summary) {
  std::string all;
  for (const std::string& p : summary.problems) all += p + "\n";
  return all;
}

// Spells a command the way the route writer does: every "+" but the last
// takes the next field, the last one takes the remaining fields joined by ";".
std::string Spell(const char* spelling, const std::vector<std::string>& fields) {
  std::string s(spelling);
  int pluses = 0;
  for (char c : s) pluses += c == '+';
  std::string out;
  std::size_t next = 0;
  int seen = 0;
  for (char c : s) {
    if (c != '+') {
      out += c;
      continue;
    }
    if (++seen < pluses) {
      if (next < fields.size()) out += fields[next++];
    } else {
      for (std::size_t k = next; k < fields.size(); ++k) out += (k > next ? ";" : "") + fields[k];
      next = fields.size();
    }
  }
  return out;
}

TEST(RouteCheck, AcceptsEveryCommandAsTheWriterSpellsIt) {
  for (int index = 0; index < kCommandCount; ++index) {
    std::string spelling(cleancom[index]);
    std::size_t pluses = 0;
    for (char c : spelling) pluses += c == '+';
    // Spellings whose last "+" stands in brackets or is the distance take
    // exactly one field per "+"; the others take any number of fields.
    bool exact = index == kCmdDistance || spelling.back() == ')';
    for (std::vector<std::string> fields :
         {std::vector<std::string>{"1", "2", "3"}, std::vector<std::string>{"0"},
          std::vector<std::string>{"4", "-2.500000", "0.000000", "7"}}) {
      while (fields.size() < pluses) fields.push_back("5");
      if (exact) fields.resize(pluses);
      // A distance first, as the writer puts track commands after one.
      std::string route = "\r\n100," + Spell(cleancom[index], fields);
      RouteSummary summary = CheckRoute(route);
      EXPECT_TRUE(summary.ok()) << "index " << index << ": " << route << "\n"
                                << ProblemsOf(summary);
    }
  }
}

TEST(RouteCheck, AcceptsGoodRouteTexts) {
  const char* good[] = {
      "",
      "\r\n\r\n",
      "With Route\r\nRoute.Gauge 1435,\r\n",
      "0,.rail 1;3.800000;0.000000;0,.curve 600;0,.stop 0,",
      "0 , .rail 1 ; 4 , .railend 1",
      ".RAIL 1;2,.Curve 300; 20",
      ".railend ,",  // no fields: nothing in place of the "+"
      ".railend",
      ",,,",
      "route.runinterval 300\r\nroute.developerid 40372958",
      ".lightdirection 60; 30,",
      ".sta Ashford (north);08.00;08.10;0;1;0;0;;20;60;;0,",
      ".signal 3;Home$chr(13)300m >;-3;0;1,",  // a label with the distance under it
      ".comment anything (at all) = ; here,",
      "; a comment, 100,",
      "signal(3).load signals\\home,",
      ".timetable(1).night.load tt\\night.bmp,",
      "$sub(1)=a;b\r\n$sub(1)\r\n$rnd(1;3)\r\n$chr(13)",
      ".pole(0;1) poles\\double.b3d,",
      "25.5,",
      "100,\n.rail 1;2\n",
      "100,\r.rail 1;2\r",
      ".station Caf\xE9 \xFC"
      "ber;08.00;;0;1,",  // Latin-1 names
  };
  for (const char* text : good) {
    RouteSummary summary = CheckRoute(text);
    EXPECT_TRUE(summary.ok()) << "route: " << text << "\n" << ProblemsOf(summary);
  }
}

TEST(RouteCheck, ReportsBadStatementsWithLineAndWhatWasExpected) {
  struct Case {
    const char* route;
    const char* problem;
  };
  const Case cases[] = {
      {".rial 1;2", "line 1: expected a known command, got '.rial'"},
      {"\r\n\r\n.rial 1;2", "line 3: expected a known command, got '.rial'"},
      {"\n\n.rial 1;2", "line 3: expected a known command, got '.rial'"},
      {"with tracks",
       "line 1: expected a section name (route, train, structure, texture, cycle, track), "
       "got 'tracks'"},
      {"with\r\n",
       "line 1: expected a section name (route, train, structure, texture, cycle, track), "
       "got line end"},
      {"with track .rail", "line 1: expected ',' or line end, got '.rail'"},
      {"100 .rail 1", "line 1: expected ',' or line end, got '.rail'"},
      {"-25,", "line 1: expected a track position of 0 or more, got '-25'"},
      {"route.gauge abc", "line 1: expected a number as parameter 1 of 'route.gauge', got 'abc'"},
      {".ambientlight 1; 2; x",
       "line 1: expected a number as parameter 3 of '.ambientlight', got 'x'"},
      {".pole(0) x",
       "line 1: expected '.pole' with 2 in brackets or no brackets, got 1 in brackets"},
      {".rail(1", "line 1: expected ')', got end of file"},
      {".rail(a) x", "line 1: expected a number in the brackets of '.rail', got 'a'"},
      {"signal(0).lod x", "line 1: expected '.load', got '.lod'"},
      {"signal(0) x", "line 1: expected '.load', got 'x'"},
      {".timetable(1).dawn.load x",
       "line 1: expected '.day.load' or '.night.load', got '.dawn.load'"},
      {".ground(1).params x", "line 1: expected a blank before the parameters, got '.params'"},
      {".rail=1", "line 1: expected parameters after a blank, got '='"},
      {"$sub(1) x", "line 1: expected ',' or line end, got 'x'"},
      {"#rnd<1,2>", "line 1: expected a track position, section header or command, got '#'"},
      {"(", "line 1: expected a track position, section header or command, got '('"},
      {"\x01",
       "line 1: expected a track position, section header or command, "
       "got unexpected character 0x01"},
      {".railstart\xFF 1",
       "line 1: expected a blank before the parameters, got unexpected character 0xFF"},
  };
  for (const Case& c : cases) {
    RouteSummary summary = CheckRoute(c.route);
    ASSERT_FALSE(summary.ok()) << "route: " << c.route;
    EXPECT_EQ(summary.problems.front(), c.problem) << "route: " << c.route;
  }
}

TEST(RouteCheck, AStatementWithNulIsRefused) {
  std::string route("0,.rail 1;2,", 12);
  route += std::string("\0", 1) + ",.rail 1;2,";
  RouteSummary summary = CheckRoute(route);
  ASSERT_EQ(summary.problem_count, 1) << ProblemsOf(summary);
  EXPECT_EQ(summary.problems[0],
            "line 1: expected a track position, section header or command, got unexpected "
            "character 0x00");
  EXPECT_EQ(summary.track_commands, 2);
}

TEST(RouteCheck, GoesOnAfterAProblemAndKeepsOnlyTheFirstOnes) {
  // A problem costs only its own statement: the next one on the line is read.
  RouteSummary one = CheckRoute("0,.rial 1,.rail 1;2,.bogus,25,");
  EXPECT_EQ(one.problem_count, 2);
  EXPECT_EQ(one.track_commands, 1);
  EXPECT_EQ(one.positions, 2);

  // A problem at a line end does not swallow the next line.
  RouteSummary two = CheckRoute("with\r\n.rail 1;2\r\nwith\r\n50,");
  EXPECT_EQ(two.problem_count, 2);
  EXPECT_EQ(two.track_commands, 1);
  EXPECT_EQ(two.positions, 1);
  EXPECT_EQ(two.problems[1].substr(0, 7), "line 3:");

  std::string many;
  for (int i = 0; i < 25; ++i) many += ".nope,\r\n";
  RouteSummary summary = CheckRoute(many);
  EXPECT_EQ(summary.problem_count, 25);
  ASSERT_EQ(summary.problems.size(), kavosim::kListedProblems);
  EXPECT_EQ(summary.problems.back(), "line 10: expected a known command, got '.nope'");
}

TEST(RouteCheck, SummarisesWhatItRead) {
  const char* route =
      "\r\n\r\nwith route\r\n\r\nroute.gauge 1435,\r\n\r\nwith train\r\n\r\n.folder Red Hauler,"
      "\r\n\r\nwith structure\r\n\r\n.rail(0) a.b3d,\r\n\r\nwith track\r\n"
      "\r\n0,.railtype 0;0,"
      "\r\n200,.marker LINEWRIGHT\\objs\\turnout3.gif;800,"
      "\r\n1000,.turn -0.02,.marker LINEWRIGHT\\objs\\turnout.gif;800,"
      "\r\n300,.marker LINEWRIGHT\\objs\\turnout3.gif;800,"
      "\r\nroute.developerid 40372958";
  RouteSummary s = CheckRoute(route);
  EXPECT_TRUE(s.ok()) << ProblemsOf(s);
  EXPECT_EQ(s.lines, 21);
  EXPECT_EQ(s.section_headers, 4);
  EXPECT_EQ(s.definitions, 4);  // gauge, folder, rail(0), developer id
  EXPECT_EQ(s.positions, 4);
  EXPECT_EQ(s.track_commands, 5);
  EXPECT_EQ(s.last_position, "300");
  EXPECT_EQ(s.highest_position, 1000);
  EXPECT_EQ(s.developer_id, "40372958");
  EXPECT_EQ(s.train_folder, "Red Hauler");
  ASSERT_EQ(s.marker_pictures.size(), 2u);
  EXPECT_EQ(s.marker_pictures.at("LINEWRIGHT\\objs\\turnout3.gif"), 18);
  EXPECT_EQ(s.marker_pictures.at("LINEWRIGHT\\objs\\turnout.gif"), 19);
}

TEST(RouteCheck, CountsLinesWhateverTheLineEnds) {
  EXPECT_EQ(CheckRoute("").lines, 0);
  EXPECT_EQ(CheckRoute("a").lines, 1);
  EXPECT_EQ(CheckRoute("0,\r\n").lines, 1);
  EXPECT_EQ(CheckRoute("0,\r\n1,").lines, 2);
  EXPECT_EQ(CheckRoute("0,\n1,\r2,\r\n").lines, 3);
}

TEST(RouteCheck, SurvivesEveryCutOfARoute) {
  std::string route =
      "with track\r\n0,.rail 1;2,signal(0).load x,.timetable(1).day.load y,$sub(2)=a\r\n"
      ".pole(1;2) z,route.gauge 1435\r\n25.5,\xFF\x00.comment (,";
  route.push_back('\0');
  for (std::size_t n = 0; n <= route.size(); ++n) {
    RouteSummary summary = CheckRoute(std::string_view(route).substr(0, n));
    EXPECT_LE(summary.problems.size(), kavosim::kListedProblems);
  }
}

TEST(RouteCheck, LargeRouteIsCheckedInLinearTime) {
  std::string block = "\r\n25,.rail 1;3.800000;0.000000;0,.curve 600;0,.freeobj 0;1;2;0,";
  std::string route;
  while (route.size() < (8u << 20)) route += block;
  auto start = std::chrono::steady_clock::now();
  RouteSummary summary = CheckRoute(route);
  double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  EXPECT_TRUE(summary.ok());
  EXPECT_EQ(summary.track_commands, summary.positions * 3);
  EXPECT_LT(seconds, 5.0) << "8 MB took " << seconds << " s";
}

}  // namespace
