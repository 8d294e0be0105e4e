// How a launch run starts the simulator. The plan differs by platform: on
// Windows the simulator always gets its command line as it stands;
// elsewhere a Windows executable is handed to the runner.

#include "ui/simstart.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/files.h"
#include "test_support.h"
#include "ui/loadsave.h"
#include "ui/run.h"

namespace {

TEST(SimulatorStartTest, WindowsExecutablesGoThroughTheRunnerOffWindows) {
  ScratchDir dir;
  FakeWinePrefix prefix(dir.File("prefix"));
  const std::string windows_sim = prefix.DriveC() + "/Kavo";
  const std::string native_sim = dir.File("native");
  ASSERT_TRUE(WriteFile(windows_sim + "/KAVO.EXE", "MZ\x90"));
  ASSERT_TRUE(WriteFile(native_sim + "/kavo.exe", "\x7f" "ELF"));
  const std::string route = windows_sim + "/railway/route/linewrighttemp.csv";
  ASSERT_TRUE(WriteFile(route, "x"));
  const std::string developer = "/d=40372958";

  struct Case {
    std::string simfolder;
    const char* runner;
    // Off Windows:
    std::string program;
    std::vector<std::string> arguments;
    std::string folder;
  };
  const Case cases[] = {
      {windows_sim, "wine", "wine",
       {windows_sim + "/KAVO.EXE", "C:\\Kavo\\railway\\route\\linewrighttemp.csv", developer},
       windows_sim},
      {windows_sim, "/usr/lib/wine/wine64", "/usr/lib/wine/wine64",
       {windows_sim + "/KAVO.EXE", "C:\\Kavo\\railway\\route\\linewrighttemp.csv", developer},
       windows_sim},
      // Without a runner (Wine registered with the system, say) it is
      // started directly, like a native one.
      {windows_sim, "", windows_sim + "/KAVO.EXE", {route, developer}, ""},
      {native_sim, "wine", native_sim + "/kavo.exe", {route, developer}, ""},
  };
  for (const Case& c : cases) {
    ResetGlobals();
    global.simfolder = c.simfolder;
    global.simexe = "kavo.exe";
    global.outroutepath = route;
    global.developermode = 1;
    global.simrunner = c.runner;
    platform::ProcessStart start = SimulatorStart();
    EXPECT_EQ(start.command_line, SimulatorCommandLine()) << c.simfolder << " " << c.runner;
#ifdef _WIN32
    EXPECT_EQ(start.program, platform::JoinPath(c.simfolder, "kavo.exe"));
    EXPECT_EQ(start.arguments, SimulatorArguments());
    EXPECT_EQ(start.folder, "");
#else
    EXPECT_EQ(start.program, c.program) << c.simfolder << " " << c.runner;
    EXPECT_EQ(start.arguments, c.arguments) << c.simfolder << " " << c.runner;
    EXPECT_EQ(start.folder, c.folder) << c.simfolder << " " << c.runner;
#endif
  }
  ResetGlobals();
}

}  // namespace
