#include "simulator_run.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "platform/process.h"
#include "test_support.h"
#include "ui/loadsave.h"
#include "ui/run.h"
#include "ui/simstart.h"

namespace {

using kavosim::CommandLine;
using kavosim::ParseCommandLine;
using kavosim::RunSimulator;

const char kGoodRoute[] =
    "\r\n\r\nwith train\r\n\r\n.folder Blue Arrow,"
    "\r\n\r\nwith track\r\n\r\n0,.rail 1;4.000000;0.000000;0,"
    "\r\n200,.marker LINEWRIGHT\\objs\\turnout3.gif;800,"
    "\r\nroute.developerid 40372958";

TEST(SimulatorCommandLine, AcceptsOnlyTheRouteAndTheDeveloperSwitch) {
  struct Case {
    std::vector<std::string> args;
    bool ok;
    bool developer_mode;
    const char* error;
  };
  const Case cases[] = {
      {{"kavo.exe", "c:\\kavo\\route\\linewrighttemp.csv"}, true, false, ""},
      {{"kavo.exe", "/tmp/a b/linewrighttemp.csv", "/d=40372958"}, true, true, ""},
      {{"kavo.exe"}, false, false, "missing the route path"},
      {{}, false, false, "missing the route path"},
      {{"kavo.exe", ""}, false, false, "the route path is empty"},
      {{"kavo.exe", "r.csv", "/d=4037295"},
       false,
       false,
       "unknown switch '/d=4037295': the only switch is /d=40372958"},
      {{"kavo.exe", "r.csv", "/D=40372958"},
       false,
       false,
       "unknown switch '/D=40372958': the only switch is /d=40372958"},
      {{"kavo.exe", "r.csv", " /d=40372958"},
       false,
       false,
       "unknown switch ' /d=40372958': the only switch is /d=40372958"},
      {{"kavo.exe", "r.csv", "/d=40372958", "x"},
       false,
       false,
       "too many arguments: expected the route path and at most /d=40372958"},
  };
  for (const Case& c : cases) {
    std::string joined;
    for (const std::string& a : c.args) joined += "[" + a + "]";
    CommandLine command_line;
    std::string error;
    ASSERT_EQ(ParseCommandLine(c.args, &command_line, &error), c.ok) << joined;
    if (c.ok) {
      EXPECT_EQ(command_line.route, c.args[1]) << joined;
      EXPECT_EQ(command_line.developer_mode, c.developer_mode) << joined;
    } else {
      EXPECT_EQ(error, c.error) << joined;
    }
  }
}

TEST(SimulatorCommandLine, ProgramFolderComesFromTheProgramPath) {
  EXPECT_EQ(kavosim::ProgramFolder("/opt/kavo/kavo.exe"), "/opt/kavo");
  EXPECT_EQ(kavosim::ProgramFolder("build/run/kavo.exe"), "build/run");
  EXPECT_EQ(kavosim::ProgramFolder("c:\\program files\\kavo\\kavo.exe"), "c:\\program files\\kavo");
  EXPECT_EQ(kavosim::ProgramFolder("/kavo.exe"), "/");
  // Without a folder in the name the running program's own folder is used.
  EXPECT_FALSE(kavosim::ProgramFolder("kavo.exe").empty());
}

// Runs the simulator with its program folder in the scratch folder and
// returns the exit status; what it printed ends up in `out` and `err`.
int RunIn(const ScratchDir& dir, const std::vector<std::string>& args, std::string* out,
          std::string* err) {
  std::ostringstream o;
  std::ostringstream e;
  int status = RunSimulator(args, dir.path(), o, e);
  *out = o.str();
  *err = e.str();
  return status;
}

TEST(SimulatorRun, AcceptsAGoodRouteAndWritesTheReportBesideItself) {
  ScratchDir dir;
  ASSERT_TRUE(WriteFile(dir.File("railway/route/linewrighttemp.csv"), kGoodRoute));
  ASSERT_TRUE(WriteFile(dir.File("train/Blue Arrow/train.dat"), "x"));
  ASSERT_TRUE(WriteFile(dir.File("railway/object/LINEWRIGHT/objs/turnout3.gif"), "GIF89a"));
  std::string out;
  std::string err;
  std::string route = dir.File("railway/route/linewrighttemp.csv");
  int status = RunIn(dir, {dir.File("kavo.exe"), route, "/d=40372958"}, &out, &err);
  EXPECT_EQ(status, kavosim::kExitRouteAccepted) << out << err;
  EXPECT_EQ(err, "");
  EXPECT_NE(out.find("route: " + route + "\n"), std::string::npos) << out;
  for (const char* line : {"program: kavo.exe\n", "developer mode: on\n", "track positions: 2\n",
                           "track commands: 2\n", "section headers: 2\n", "definitions: 2\n",
                           "last track position: 200\n", "developer id: 40372958\n",
                           "train folder: Blue Arrow\n", "unknown statements: 0\n", "warnings: 0\n",
                           "result: route accepted\n", "exit status: 0\n"}) {
    EXPECT_NE(out.find(line), std::string::npos) << "missing " << line << "in\n" << out;
  }
  EXPECT_EQ(ReadFile(dir.File(kavosim::kReportFileName)), out);
}

TEST(SimulatorRun, WarnsAboutWhatTheInstallationLacks) {
  ScratchDir dir;
  ASSERT_TRUE(WriteFile(dir.File("r.csv"), kGoodRoute));
  std::string out;
  std::string err;
  // No train folder, no marker picture, and developer mode with a route
  // whose id is right: two warnings, and the route still runs.
  EXPECT_EQ(RunIn(dir, {"kavo.exe", dir.File("r.csv"), "/d=40372958"}, &out, &err), 0) << out;
  EXPECT_NE(out.find("warnings: 2\n"), std::string::npos) << out;
  EXPECT_NE(out.find("train folder 'Blue Arrow' has no train.dat"), std::string::npos) << out;
  EXPECT_NE(out.find("line 10: marker picture 'LINEWRIGHT\\objs\\turnout3.gif' is not in"),
            std::string::npos)
      << out;

  ASSERT_TRUE(WriteFile(dir.File("no-id.csv"), "0,.rail 1;2,"));
  EXPECT_EQ(RunIn(dir, {"kavo.exe", dir.File("no-id.csv"), "/d=40372958"}, &out, &err), 0) << out;
  EXPECT_NE(out.find("developer mode is on but the route's developer id is missing"),
            std::string::npos)
      << out;
  EXPECT_EQ(RunIn(dir, {"kavo.exe", dir.File("no-id.csv")}, &out, &err), 0) << out;
  EXPECT_NE(out.find("warnings: 0\n"), std::string::npos) << out;
}

TEST(SimulatorRun, FindsTrainsAndPicturesWhateverTheirCase) {
  ScratchDir dir;
  ASSERT_TRUE(WriteFile(dir.File("r.csv"), kGoodRoute));
  // The route's names are Windows names: found whatever their case.
  ASSERT_TRUE(WriteFile(dir.File("train/blue arrow/train.dat"), "x"));
  ASSERT_TRUE(WriteFile(dir.File("railway/object/linewright/OBJS/Turnout3.GIF"), "GIF89a"));
  std::string out;
  std::string err;
  EXPECT_EQ(RunIn(dir, {"kavo.exe", dir.File("r.csv")}, &out, &err), 0) << out;
  EXPECT_NE(out.find("warnings: 0\n"), std::string::npos) << out;
}

TEST(SimulatorRun, ExitStatusTellsWhatWentWrong) {
  ScratchDir dir;
  ASSERT_TRUE(WriteFile(dir.File("bad.csv"), "0,.rail 1;2,\r\n.rial 3,\r\nwith tracks\r\n"));
  std::string out;
  std::string err;

  EXPECT_EQ(RunIn(dir, {"kavo.exe", dir.File("bad.csv")}, &out, &err), kavosim::kExitRouteRefused);
  EXPECT_NE(out.find("unknown statements: 2\n  line 2: expected a known command, got '.rial'\n"
                     "  line 3: expected a section name"),
            std::string::npos)
      << out;
  EXPECT_NE(out.find("result: route refused\nexit status: 1\n"), std::string::npos) << out;
  EXPECT_EQ(err, "kavo.exe: the route has 2 statement(s) the simulator does not know\n");

  EXPECT_EQ(RunIn(dir, {"kavo.exe", dir.File("missing.csv")}, &out, &err),
            kavosim::kExitRouteUnreadable);
  EXPECT_EQ(err, "kavo.exe: the route file '" + dir.File("missing.csv") + "' does not exist\n");
  EXPECT_NE(out.find("result: route file unreadable\n"), std::string::npos) << out;

  EXPECT_EQ(RunIn(dir, {"kavo.exe", dir.path()}, &out, &err), kavosim::kExitRouteUnreadable);
  EXPECT_EQ(err, "kavo.exe: '" + dir.path() + "' is a folder, not a route file\n");

  EXPECT_EQ(RunIn(dir, {"/somewhere/kavo.exe", "r.csv", "-d"}, &out, &err),
            kavosim::kExitBadCommandLine);
  EXPECT_EQ(err,
            "kavo.exe: unknown switch '-d': the only switch is /d=40372958\n"
            "usage: kavo.exe ROUTEPATH [/d=40372958]\n");
  // Even a refused command line leaves a report for the caller to read.
  EXPECT_EQ(ReadFile(dir.File(kavosim::kReportFileName)), out);
  EXPECT_NE(out.find("result: command line refused\nexit status: 2\n"), std::string::npos) << out;
}

// The built program, copied as kavo.exe into a folder with blanks and
// started the way a launch run starts it (the command line it gets differs
// by platform): it reads the route and reports beside itself.
TEST(SimulatorProgram, StartsFromAFolderWithBlanksAndReportsBesideItself) {
  ScratchDir dir;
  std::filesystem::path built(KAVOSIM_PROGRAM);
  ASSERT_TRUE(std::filesystem::exists(built)) << built;
  std::filesystem::create_directories(dir.File("sim folder"));
  ResetGlobals();
  global.simfolder = dir.File("sim folder");
  global.simexe = "kavo.exe";
  global.outroutepath = dir.File("route folder/linewrighttemp.csv");
  global.developermode = 1;
  std::filesystem::copy_file(built, SimulatorProgram());
  ASSERT_TRUE(WriteFile(global.outroutepath, kGoodRoute));
  std::string reason;
  ASSERT_TRUE(platform::StartDetached(SimulatorStart(), &reason)) << reason;
  std::string report_path = dir.File("sim folder/kavosim-report.txt");
  std::string report;
  for (int i = 0; i < 300 && report.find("exit status:") == std::string::npos; ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    report = ReadFile(report_path);
  }
  EXPECT_NE(report.find("program: kavo.exe\nroute: " + global.outroutepath + "\n"),
            std::string::npos)
      << report;
  EXPECT_NE(report.find("developer mode: on\n"), std::string::npos) << report;
  EXPECT_NE(report.find("result: route accepted\n"), std::string::npos) << report;

  EXPECT_EQ(RunProgram(SimulatorProgram(), {}).status, kavosim::kExitBadCommandLine);
  ResetGlobals();
}

// Windows passes one command line; the simulator's leaves its own path
// unquoted, blanks and all.
TEST(SimulatorCommandLine, WindowsCommandLinesSplitAsTheSimulatorReadsThem) {
  const std::string self = "C:\\Program Files\\Kavo\\kavo.exe";
  struct Case {
    std::string line;
    std::vector<std::string> words;
  };
  const Case cases[] = {
      {"c:\\program files\\kavo\\kavo.exe \"c:\\program files\\kavo\\r.csv\"",
       {"c:\\program files\\kavo\\kavo.exe", "c:\\program files\\kavo\\r.csv"}},
      {"c:\\program files\\kavo\\kavo.exe \"c:\\r s\\r.csv\" /d=40372958",
       {"c:\\program files\\kavo\\kavo.exe", "c:\\r s\\r.csv", "/d=40372958"}},
      {"\"C:\\Program Files\\Kavo\\kavo.exe\" C:\\r.csv", {self, "C:\\r.csv"}},
      {"kavo.exe  \t\"a b\"c  d ", {"kavo.exe", "a bc", "d"}},
      {"kavo.exe \"unclosed route", {"kavo.exe", "unclosed route"}},
      // Only a whole program path counts.
      {self + "x r.csv", {"C:\\Program", "Files\\Kavo\\kavo.exex", "r.csv"}},
      {"", {}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(kavosim::SplitWindowsCommandLine(c.line, self), c.words) << c.line;
}

}  // namespace
