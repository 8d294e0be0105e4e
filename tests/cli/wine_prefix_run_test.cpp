// A simulator installed under Wine, found by `linewright generate` with no
// folder settings at all. Off Windows only: on Windows the default folders
// are the machine's own "c:\program files\kavo".

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "test_support.h"

namespace {

namespace fs = std::filesystem;

#ifndef _WIN32
TEST(WinePrefixRunTest, DefaultFoldersFindKavoInstalledUnderWine) {
  ScratchDir dir;
  FakeWinePrefix prefix(dir.File("prefix"));
  // The installer's letter case, not the settings' one.
  const std::string kavo = prefix.DriveC() + "/Program Files/KaVo";
  fs::create_directories(kavo + "/RAILWAY");
  fs::copy(SourcePath("sample/kavo/railway/route"), kavo + "/RAILWAY/Route",
           fs::copy_options::recursive);
  fs::copy(SourcePath("sample/kavo/train"), kavo + "/Train", fs::copy_options::recursive);

  ProgramRun run = RunProgram(LINEWRIGHT_PROGRAM, {"generate", "--route",
                                                   kavo + "/RAILWAY/Route/Starter/starter.csv",
                                                   "--train", "Blue Arrow", "--kind", "create"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(fs::is_regular_file(kavo + "/RAILWAY/Route/linewrighttemp.csv"));
  // The settings keep the Windows folders, as on Windows.
  std::string config = ReadFile(dir.File("linewright10_2.cfg"));
  EXPECT_EQ(config.substr(0, config.find("0 0 0")),
            "c:\\program files\\kavo\n"
            "c:\\program files\\kavo\\railway\\route\n"
            "c:\\program files\\kavo\\train\n"
            "kavo.exe\n");
}

TEST(WinePrefixRunTest, AMissingInstallationIsNamedAsSetAndAsLookedFor) {
  ScratchDir dir;
  FakeWinePrefix prefix(dir.File("prefix"));
  ASSERT_TRUE(WriteFile(dir.File("r.csv"), "With Track\r\n0,\r\n"));
  ProgramRun run = RunProgram(LINEWRIGHT_PROGRAM, {"generate", "--route", dir.File("r.csv"),
                                                   "--train", "Blue Arrow", "--kind", "create"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "linewright: the simulator folder 'c:\\program files\\kavo' (in the Wine prefix: '" +
                         fs::canonical(prefix.DriveC()).string() +
                         "/program files/kavo') does not exist; set it with --sim-folder DIR (it "
                         "is saved for later runs)\n");
}
#endif

}  // namespace
