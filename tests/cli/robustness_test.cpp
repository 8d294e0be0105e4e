// What the program does with hostile inputs and a hostile machine, as a
// user meets it on the command line: named pipes, unreadable and damaged
// settings, names that would corrupt a route, a full standard output, two
// runs in one folder, files that cannot be written, includes that reach
// out of the route folder, and routes that are read but look damaged.

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "cli/cli_runner.h"
#include "platform/file_lock.h"
#include "platform/files.h"

namespace {

using namespace cli_test;

// The program ended after a minute at most: a run that hangs fails its
// test (status 124) instead of holding up the suite.
Outcome Bounded(const std::vector<std::string>& args) {
  std::vector<std::string> words = {"-k", "5", "60", LINEWRIGHT_PROGRAM};
  words.insert(words.end(), args.begin(), args.end());
  ScopedEnvironment no_display("DISPLAY", nullptr);
  return RunProgram("/usr/bin/timeout", words);
}

bool Has(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

class RobustnessTest : public InstallationTest {};

TEST_F(RobustnessTest, NamedPipesAreRefusedAtOnce) {
  ASSERT_EQ(mkfifo(Route("Starter/pipe.inc").c_str(), 0644), 0);
  ASSERT_EQ(mkfifo(dir_.File("pipe.csv").c_str(), 0644), 0);
  WriteFile(Route("Starter/piped.csv"), "#include<pipe.inc>\r\n0,\r\n");
  fs::create_directory(dir_.File("Piped"));
  ASSERT_EQ(mkfifo(dir_.File("Piped/sigsys.txt").c_str(), 0644), 0);
  const std::string not_regular = "not a regular file (a named pipe, a device or a socket)";
  struct Case {
    std::vector<std::string> args;
    int status;  // a failed include cuts the route short: nothing is written
    const char* says;
  };
  const Case cases[] = {
      {Generate({"--route", Route("Starter/piped.csv")}), 1, "#include command, file not found."},
      {{"script", Route("Starter/piped.csv")}, 1, "#include command, file not found."},
      {{"script", "pipe.csv"}, 1, "linewright: cannot read pipe.csv: "},
      {{"dump", "pipe.csv"}, 1, "linewright: cannot read pipe.csv: "},
      {Generate({"--route", "pipe.csv"}), 1, "linewright: cannot read the route pipe.csv: "},
      {Generate({"--signal-system", "Piped"}), 1,
       "linewright: the signal system 'Piped' cannot be read: "},
  };
  for (const Case& c : cases) {
    auto started = std::chrono::steady_clock::now();
    Outcome o = Bounded(c.args);
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(20)) << c.args[0];
    EXPECT_EQ(o.status, c.status) << c.args[1] << "\n" << o.err;
    EXPECT_TRUE(Has(o.err, c.says)) << o.err;
    EXPECT_TRUE(Has(o.err, not_regular)) << o.err;
  }
  // The settings file as a pipe: read as missing, said, and left alone.
  fs::remove(dir_.File("linewright10_2.cfg"));
  ASSERT_EQ(mkfifo(dir_.File("linewright10_2.cfg").c_str(), 0644), 0);
  Outcome o = Bounded(Generate({}));
  EXPECT_EQ(o.status, 0) << o.err;
  EXPECT_TRUE(Has(o.err, "Could not read the settings file")) << o.err;
  struct stat st;
  ASSERT_EQ(lstat(dir_.File("linewright10_2.cfg").c_str(), &st), 0);
  EXPECT_TRUE(S_ISFIFO(st.st_mode));
}

TEST_F(RobustnessTest, UnreadableSettingsAreSaidAndNeverOverwritten) {
  const std::string cfg = dir_.File("linewright10_2.cfg");
  WriteFile(cfg, "/mine\n/mine/route\n/mine/train\nmine.exe\n1 1 1 1 1 1\n");
  ASSERT_EQ(chmod(cfg.c_str(), 0), 0);
  Outcome o;
  if (geteuid() != 0) {
    o = Linewright(Generate({}));
  } else {
    // Root reads a file of mode 000: the run goes as an unprivileged user
    // in a scratch folder it may write to.
    if (access("/usr/bin/setpriv", X_OK) != 0) GTEST_SKIP() << "no setpriv to leave root";
    fs::permissions(dir_.path(), fs::perms::all);
    for (const auto& entry : fs::recursive_directory_iterator(dir_.File("kavo")))
      fs::permissions(entry.path(), fs::perms::all);
    std::vector<std::string> words = {"--reuid=65534", "--regid=65534", "--clear-groups",
                                      LINEWRIGHT_PROGRAM};
    for (const std::string& arg : Generate({})) words.push_back(arg);
    ScopedEnvironment no_display("DISPLAY", nullptr);
    o = RunProgram("/usr/bin/setpriv", words);
  }
  EXPECT_EQ(o.status, 0) << o.err;
  EXPECT_TRUE(Has(o.err, "Could not read the settings file")) << o.err;
  EXPECT_TRUE(Has(o.err, "permission denied")) << o.err;
  chmod(cfg.c_str(), 0600);
  EXPECT_EQ(ReadFile(cfg), "/mine\n/mine/route\n/mine/train\nmine.exe\n1 1 1 1 1 1\n");
}

TEST_F(RobustnessTest, ValuesThatWouldCorruptFilesAreRefused) {
  ASSERT_EQ(Linewright(Generate({})).status, 0);
  const std::string saved = ReadFile(dir_.File("linewright10_2.cfg"));
  fs::create_directories(dir_.File("kavo/train/Class 50, blue"));
  WriteFile(dir_.File("kavo/train/Class 50, blue/train.dat"), "x");
  struct Case {
    std::vector<std::string> args;
    const char* says;
  };
  const Case cases[] = {
      {Generate({"--sim-folder", "c:\\kavo\nsecond"}),
       "--sim-folder expects a value without line breaks or other control characters, got "
       "'c:\\kavo\\nsecond'"},
      {Generate({"--sim-exe", "kavo.exe\r"}), "--sim-exe expects a value without line breaks"},
      {Generate({"--signal-system", "Semaphore\tArms"}), "--signal-system expects a value without"},
      {Generate({"--train", "Class 50, blue"}),
       "--train: the train name 'Class 50, blue' holds ',', which would end the route's train "
       "command"},
      {Generate({"--train", "a;b\nc"}), "holds ';', a line break"},
  };
  for (const Case& c : cases) {
    Outcome o = Linewright(c.args);
    EXPECT_EQ(o.status, 2) << o.err;
    EXPECT_EQ(o.err.substr(0, 12), "linewright: ");
    EXPECT_TRUE(Has(o.err, c.says)) << o.err;
  }
  EXPECT_EQ(ReadFile(dir_.File("linewright10_2.cfg")), saved);
}

TEST_F(RobustnessTest, LostStandardOutputFailsTheCommand) {
  fs::copy_file(SourcePath("tests/rte2int/expected/hill_line.tmp"), "linewright.tmp");
  for (const char* command : {"script", "dump"}) {
    std::string file =
        command == std::string("script") ? Route("Starter/starter.csv") : "linewright.tmp";
    std::string line = "timeout 60 '" + std::string(LINEWRIGHT_PROGRAM) + "' " + command + " '" + file +
                       "' >/dev/full 2>err.txt";
    int raw = std::system(line.c_str());
    EXPECT_EQ(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, 1) << command;
    EXPECT_TRUE(Has(ReadFile("err.txt"),
                    "linewright: could not write to standard output: no space left on the device"))
        << command << ": " << ReadFile("err.txt");
  }
}

TEST_F(RobustnessTest, ASecondRunWaitsForTheFirstAndThenGivesUp) {
  platform::FileLock held;
  bool busy = false;
  std::string reason;
  ASSERT_TRUE(held.Acquire("linewright.lock", 0, &busy, &reason)) << reason;
  auto started = std::chrono::steady_clock::now();
  Outcome o = Linewright(Generate({}));
  EXPECT_GE(std::chrono::steady_clock::now() - started, std::chrono::seconds(4));
  EXPECT_EQ(o.status, 1);
  EXPECT_EQ(FirstLine(o.err), "linewright: another run of Linewright is using the working folder " +
                                  platform::AbsolutePath(".") +
                                  " (it holds linewright.lock); wait until it has finished and "
                                  "run again");
  EXPECT_FALSE(fs::exists(Route("linewrighttemp.csv")));
  // A run that ends within the wait lets the next one go on.
  std::thread release([&held] {
    std::this_thread::sleep_for(std::chrono::milliseconds(800));
    held.Release();
  });
  o = Linewright(Generate({}));
  release.join();
  EXPECT_EQ(o.status, 0) << o.err;
}

TEST_F(RobustnessTest, FailedWritesNameTheFileAndTheReason) {
  // A killed run's temporary files go at the next start.
  WriteFile("linewright.tmp.lwtmp", "half");
  WriteFile(Route("linewrighttemp.csv.lwtmp"), "half");
  ASSERT_EQ(Linewright(Generate({})).status, 0);
  EXPECT_FALSE(fs::exists("linewright.tmp.lwtmp"));
  EXPECT_FALSE(fs::exists(Route("linewrighttemp.csv.lwtmp")));
  const std::string route = Written();

  fs::remove("linewright.tmp");
  fs::create_directory("linewright.tmp");
  Outcome o = Linewright(Generate({"--seed", "3"}));
  EXPECT_EQ(o.status, 1);
  EXPECT_TRUE(Has(o.err, "Error: Could not write the intermediate file:\n\n" +
                             platform::AbsolutePath("linewright.tmp") + ": is a folder"))
      << o.err;
  EXPECT_FALSE(Has(o.err, "Could not read the route")) << o.err;
  EXPECT_EQ(Written(), route);

  fs::remove("linewright.tmp");
  fs::create_directory("chart.html");
  o = Linewright(Generate({"--kind", "chart"}));
  EXPECT_EQ(o.status, 1);
  EXPECT_TRUE(Has(o.err, "Could not write the technical diagram:\n\n" +
                             platform::AbsolutePath("chart.html") + ": is a folder"))
      << o.err;
}

TEST_F(RobustnessTest, IncludesStayInsideTheRouteFolder) {
  WriteFile(dir_.File("secret.txt"), ".Pitch 77,");
  WriteFile(Route("common/x.txt"), ".Pitch 11,");
  WriteFile(Route("common/y.txt"), ".Pitch 12,");
  const std::string up = "..\\..\\..\\..\\secret.txt";  // from kavo/railway/route/Starter
  WriteFile(Route("Starter/inc.csv"),
            "With Track\r\n#include<..\\common\\x.txt>\r\n$Include(../common/y.txt)\r\n0,\r\n");
  Outcome o = Linewright(Generate({"--route", Route("Starter/inc.csv")}));
  EXPECT_EQ(o.status, 0) << o.err;
  EXPECT_TRUE(Has(Written(), ".pitch 11,") && Has(Written(), ".pitch 12,")) << Written();

  struct Case {
    std::string line;
    std::string says;
  };
  const Case cases[] = {
      {"#include<" + up + ">",
       "#include command, file not found.\n\n" + platform::JoinPath(Route("Starter"), up)},
      {"$Include(" + up + ")",
       "$include command, file not found.\n\n" + platform::JoinPath(Route("Starter"), up)},
      {"#include<" + dir_.File("secret.txt") + ">", "#include command, file not found."},
      {"$Include(" + dir_.File("secret.txt") + ")", "$include command, file not found."},
  };
  for (const Case& c : cases) {
    WriteFile(Route("Starter/out.csv"), "With Track\r\n" + c.line + "\r\n0,\r\n");
    o = Linewright(Generate({"--route", Route("Starter/out.csv")}));
    EXPECT_TRUE(Has(o.err, c.says)) << c.line << "\n" << o.err;
    EXPECT_FALSE(Has(Written(), "77")) << c.line;
  }
  // A route kept outside the route folder reaches its own folder only.
  fs::create_directories(dir_.File("mine/deep"));
  WriteFile(dir_.File("mine/deep/r.csv"), "With Track\r\n#include<..\\..\\secret.txt>\r\n0,\r\n");
  o = Linewright(Generate({"--route", dir_.File("mine/deep/r.csv")}));
  EXPECT_TRUE(Has(o.err, "#include command, file not found.")) << o.err;
  EXPECT_FALSE(Has(Written(), "77"));
}

TEST_F(RobustnessTest, DamagedRoutesAreWrittenAsTheyStandWithAWarning) {
  struct Case {
    const char* name;
    std::string bytes;
    std::string says;
  };
  const Case cases[] = {
      {"empty.csv", "", "The route is empty"},
      {"notrack.csv", "With Route\r\n.Comment nothing here\r\n", "The route has no track commands"},
      {"nul.csv", std::string("With Track\r\n0,\r\n100,\0,200,\r\n", 28),
       "The route's reading stops at line 3, at a NUL byte; the rest of the file is not read:"},
      {"ff.csv",
       "With Track\r\n0,\r\n\xFF"
       "100,\r\n",
       "The route's reading stops at line 3, at a byte 0xFF"},
      {"utf16.csv", std::string("\xFF\xFEW\0i\0t\0h\0", 10),
       "The route is saved as UTF-16, which cannot be read; open it in a text editor and save it "
       "as ANSI or UTF-8:"},
      {"negative.csv", "With Track\r\n-50,\r\n0,\r\n",
       "The route has 1 track position below 0 or beyond 100000000 m (the first: -50)"},
      {"far.csv", "With Track\r\n0,\r\n99999999999,\r\n", "(the first: 99999999999)"},
  };
  for (const Case& c : cases) {
    WriteFile(Route(std::string("Starter/") + c.name), c.bytes);
    Outcome o = Linewright(Generate({"--route", Route(std::string("Starter/") + c.name)}));
    EXPECT_EQ(o.status, 0) << c.name << "\n" << o.err;
    EXPECT_TRUE(Has(o.err, c.says)) << c.name << "\n" << o.err;
    EXPECT_TRUE(Has(o.err, Route(std::string("Starter/") + c.name))) << c.name;
    EXPECT_TRUE(Has(Written(), "40372958")) << c.name;  // written all the same
  }
}

}  // namespace

#endif
