// The linewright program as a user runs it: exit statuses, the first words
// of its messages, the help, the summary line, and what a run does to an
// installation.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "cli/cli_runner.h"
#include "cli/generate_options.h"
#include "platform/files.h"
#include "test_support.h"

namespace {

namespace fs = std::filesystem;
using namespace cli_test;

// Text that a regular expression matches as it stands (paths hold "\" and
// "." on Windows).
std::string RegexQuoted(const std::string& text) {
  std::string quoted;
  for (char c : text) {
    if (std::string("\\^$.|?*+()[]{}").find(c) != std::string::npos) quoted += '\\';
    quoted += c;
  }
  return quoted;
}

TEST(CommandLine, ExitStatusesAndFirstWords) {
  ScratchDir dir;
  WriteFile("route.csv", "With Track\r\n0,\r\n");
  struct Case {
    std::vector<std::string> args;
    int status;
    const char* first_line;  // of stderr, or of stdout for status 0
  };
  const Case cases[] = {
      {{"--frobnicate"}, 2, "linewright: unknown option --frobnicate"},
      {{"--version"}, 0, "Linewright 10.2 R2"},
      {{"--version", "now"}, 2, "linewright: --version takes no arguments"},
      {{"generat"}, 2, "linewright: unknown command 'generat', did you mean 'generate'?"},
      {{"help", "dump"}, 0, "usage: linewright dump FILE"},
      {{"help", "nope"}, 2, "linewright: unknown command 'nope'"},
      {{"generate", "--route", "route.csv"}, 2, "linewright: --train NAME is required"},
      {{"generate", "--route", "r.csv", "--train", "t", "--start-time", "7.5"}, 2,
       "linewright: --start-time expects HH.MM or HH:MM (hours 0-23, minutes 0-59), got '7.5'"},
      {{"generate", "--route", "r.csv", "--train", "t", "--frob"}, 2, "linewright: unknown option --frob"},
      {{"generate", "--route", "missing.csv", "--train", "t", "--kind", "chart", "--train-folder", "."}, 1,
       "linewright: route 'missing.csv' not found"},
      {{"script"}, 2, "linewright: FILE is required"},
      {{"script", "route.csv", "--seeds", "1"}, 2, "linewright: unknown option --seeds"},
      {{"script", "missing.csv"}, 1, "linewright: cannot read missing.csv: no such file or folder"},
      {{"dump", "."}, 1, "linewright: '.' is a folder, not an intermediate file"},
      {{"dump", "route.csv"}, 1,
       "linewright: 'route.csv' is not an intermediate file: line 1 does not parse: field 1 runs "
       "past the end of the line"},
      {{"settings", "now"}, 2, "linewright: unexpected argument 'now'"},
      {{"install-objects", "--sim-folder", "nowhere"}, 1,
       "linewright: the simulator folder 'nowhere' does not exist"},
  };
  for (const Case& c : cases) {
    std::string joined;
    for (const std::string& a : c.args) joined += " " + a;
    Outcome o = Linewright(c.args);
    EXPECT_EQ(o.status, c.status) << joined << "\n" << o.err;
    EXPECT_EQ(FirstLine(c.status == 0 ? o.out : o.err), c.first_line) << joined;
    // A usage error is one line and where to read more, not the synopsis.
    if (c.status == 2) {
      std::string command = c.args.empty() || c.args[0][0] == '-' || c.args[0] == "help" ||
                                    c.args[0] == "generat"
                                ? ""
                                : c.args[0] + " ";
      EXPECT_EQ(o.err, std::string(c.first_line) + "\nsee linewright " + command + "--help\n") << joined;
    }
  }
#ifndef _WIN32
  // Alone, without a display (or without the window in the build), it says
  // why it opens no window. On Windows it always opens the window, which
  // the window's own checks drive.
  Outcome alone = Linewright({});
  EXPECT_EQ(alone.status, 2);
  EXPECT_EQ(alone.err.rfind("linewright: ", 0), 0u) << alone.err;
  EXPECT_NE(alone.err.find("window"), std::string::npos) << alone.err;
#endif
  EXPECT_FALSE(fs::exists("linewright10_2.cfg")) << "no failed run saves settings";
}

TEST(CommandLine, GenerateHelpListsEveryOptionWithDefaultAndSavedValue) {
  ScratchDir dir;
  WriteFile("linewright10_2.cfg", "/k\n/k/r\n/k/t\nk.exe\n0 0 0 0 0 1\n652 653 700 35 711\n0 0 32700 0\nAlpine");
  Outcome o = Linewright({"generate", "--help"});
  ASSERT_EQ(o.status, 0);
  for (const RunOption& option : RunOptions())
    EXPECT_NE(o.out.find(std::string("  --") + option.name), std::string::npos) << option.name;
  for (const SavedOption& option : SavedOptions())
    EXPECT_NE(o.out.find(std::string(option.name) + (*option.value ? " " : "\n")), std::string::npos)
        << option.name;
  for (const char* values :
       {"default: none; saved now: medium", "default: off; saved now: on", "default: 20; saved now: 35",
        "default: 16.30; saved now: 09.05", "default: Kavo Default; saved now: Alpine",
        "default: c:\\program files\\kavo\\train; saved now: /k/t"})
    EXPECT_NE(o.out.find(values), std::string::npos) << values;
  EXPECT_EQ(Linewright({"help", "generate"}).out, o.out);
}

TEST_F(InstallationTest, CreateRunInstallsTheSignsOnceAndEndsWithASummary) {
  Outcome first = Linewright(Generate({"--seed", "7"}));
  ASSERT_EQ(first.status, 0) << first.err;
  EXPECT_EQ(first.err, "") << "no progress bar or messages when stderr is no terminal";
  EXPECT_EQ(FirstLine(first.out), "Turnout signs installed in " + Signs() +
                                      ": turnout.gif, turnout2.gif, turnout3.gif, turnout4.gif");
  EXPECT_EQ(ReadFile(Signs() + "/turnout3.gif"),
            ReadFile(SourcePath("sample/kavo/railway/object/LINEWRIGHT/objs/turnout3.gif")));
  Outcome second = Linewright(Generate({"--seed", "7"}));
  ASSERT_EQ(second.status, 0);
  std::regex summary("Route written to " + RegexQuoted(WrittenPath()) + " \\(route " +
                     RegexQuoted(Route("Starter/starter.csv")) +
                     ", train Blue Arrow, seed 7, [0-9]+\\.[0-9]{2} s, 0 messages\\)\n");
  EXPECT_TRUE(std::regex_match(second.out, summary)) << second.out;
}

TEST_F(InstallationTest, MessagesAreShownCountedAndFailOnlyWithStrict) {
  WriteFile(Route("Starter/broken.csv"), "With Track\r\n0,\r\n$Include(parts\\gone.csv)\r\n100,\r\n");
  std::vector<std::string> args = Generate({"--seed", "1"});
  args[2] = Route("Starter/broken.csv");
  Outcome o = Linewright(args);
  EXPECT_EQ(o.status, 0);
  EXPECT_EQ(FirstLine(o.err), "Error: $include command, file not found.");
  EXPECT_NE(o.out.find(", 2 messages)\n"), std::string::npos) << o.out;
  EXPECT_NE(Written().find("100,"), std::string::npos);

  args.push_back("--strict");
  o = Linewright(args);
  EXPECT_EQ(o.status, 1);
  EXPECT_NE(o.out.find("Route written to "), std::string::npos);
  EXPECT_NE(o.err.find("\nlinewright: --strict: the run showed 2 messages\n"), std::string::npos) << o.err;
}

TEST_F(InstallationTest, FoldersAreCheckedBeforeAnythingIsSaved) {
  // A first run with the default folders says which option sets them.
  Outcome o = Linewright({"generate", "--route", Route("Starter/starter.csv"), "--train", "Blue Arrow"});
  EXPECT_EQ(o.status, 1);
  EXPECT_EQ(o.err, "linewright: the simulator folder 'c:\\program files\\kavo' does not exist; set it "
                   "with --sim-folder DIR (it is saved for later runs)\n");
  ASSERT_EQ(Linewright(Generate({})).status, 0);
  std::string saved = ReadFile("linewright10_2.cfg");
  std::vector<std::string> args = Generate({"--signals", "strong"});
  args[10] = dir_.File("kavo/railway/routes");  // --route-folder mistyped
  o = Linewright(args);
  EXPECT_EQ(o.status, 1);
  EXPECT_EQ(o.err, "linewright: the route folder '" + args[10] + "' given with --route-folder does not exist\n");
  EXPECT_EQ(ReadFile("linewright10_2.cfg"), saved);
}

TEST_F(InstallationTest, SeedFromTheClockIsPrintedAndRepeatsTheRoute) {
  std::vector<std::string> args = Generate({"--alternative-chance", "50", "--signals", "strong",
                                            "--adhesion", "random", "--random-dwell"});
  args[2] = Route("Valley Line/Valley Line.csv");
  std::smatch seed;
  std::regex seed_in_summary(", seed ([0-9]+), ");
  Outcome first = Linewright(args);
  ASSERT_TRUE(std::regex_search(first.out, seed, seed_in_summary)) << first.out;
  std::string first_seed = seed[1], first_route = Written();
  Outcome second = Linewright(args);
  ASSERT_TRUE(std::regex_search(second.out, seed, seed_in_summary));
  EXPECT_NE(seed[1], first_seed) << "two runs in a row get different seeds";
  args.insert(args.end(), {"--seed", first_seed});
  ASSERT_EQ(Linewright(args).status, 0);
  EXPECT_EQ(Written(), first_route);
}

TEST_F(InstallationTest, RouteIsReportedBeforeAFailedStart) {
  Outcome o = Linewright(Generate({"--kind", "launch", "--sim-exe", "missing.exe"}));
  EXPECT_EQ(o.status, 1);
  EXPECT_NE(o.out.find("Route written to "), std::string::npos);
  EXPECT_EQ(FirstLine(o.err), "Error: Could not start the simulator:");
}

TEST_F(InstallationTest, SettingsSignalSystemsAndInstallObjects) {
  ASSERT_EQ(Linewright(Generate({"--signals", "medium", "--start-time", "7:45"})).status, 0);
  Outcome settings = Linewright({"settings"});
  EXPECT_EQ(FirstLine(settings.out), "settings file: " + dir_.File("linewright10_2.cfg"));
  for (const char* line : {"\nrandom signals \\(--signals\\): +medium\n",
                           "\nstart time \\(--start-time\\): +07\\.45\n",
                           "\ntimetable \\(--timetable\\): +custom\n"})
    EXPECT_TRUE(std::regex_search(settings.out, std::regex(line))) << line << settings.out;

  WriteFile(dir_.File("alps/sigsys.txt"), "Alpine\r\nMountain signals\r\n");
  EXPECT_EQ(Linewright({"signal-systems"}).out,
            "Kavo Default     (the simulator's own signals)\nAlpine           folder alps\n");

  fs::remove(Signs() + "/turnout2.gif");
  EXPECT_EQ(Linewright({"install-objects"}).out, "Turnout signs installed in " + Signs() + ": turnout2.gif\n");
  EXPECT_EQ(Linewright({"install-objects"}).out, "Turnout signs already installed in " + Signs() + "\n");
}

}  // namespace
