// A simulator installed under Wine, found by `linewright generate` with no
// folder settings at all. Off Windows only: on Windows the default folders
// are the machine's own "c:\program files\kavo".

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "test_support.h"

#ifndef _WIN32
#include <sys/wait.h>
#endif

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

  std::string command = "'" + std::string(LINEWRIGHT_PROGRAM) + "' generate --route '" + kavo +
                        "/RAILWAY/Route/Starter/starter.csv' --train 'Blue Arrow' --kind create "
                        "--seed 4 > out.txt 2>&1";
  int rc = std::system(command.c_str());
  ASSERT_TRUE(WIFEXITED(rc));
  EXPECT_EQ(WEXITSTATUS(rc), 0) << ReadFile("out.txt");
  EXPECT_TRUE(fs::is_regular_file(kavo + "/RAILWAY/Route/linewrighttemp.csv"));
  // The settings keep the Windows folders, as on Windows.
  std::string config = ReadFile(dir.File("linewright10_2.cfg"));
  EXPECT_EQ(config.substr(0, config.find("0 0 0")),
            "c:\\program files\\kavo\n"
            "c:\\program files\\kavo\\railway\\route\n"
            "c:\\program files\\kavo\\train\n"
            "kavo.exe\n");
}
#endif

}  // namespace
