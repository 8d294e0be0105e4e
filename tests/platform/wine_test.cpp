// Windows paths and programs off Windows, through a Wine prefix. The
// expectations differ by platform: on Windows every path stays as it is.

#include "platform/wine.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "test_support.h"

namespace {

namespace fs = std::filesystem;

#ifdef _WIN32
constexpr bool kOnWindows = true;
#else
constexpr bool kOnWindows = false;
#endif

// The real folder behind a path, for comparing paths that may differ by
// links.
std::string Real(const std::string& path) { return fs::weakly_canonical(path).string(); }

TEST(WinePathTest, DriveLetterSettingsAreFoundInThePrefixOffWindows) {
  ScratchDir dir;
  FakeWinePrefix prefix(dir.File("prefix"));
  ASSERT_TRUE(WriteFile(prefix.DriveC() + "/Program Files/Kavo/Railway/Route/a.csv", "x"));
  ASSERT_TRUE(WriteFile(dir.File("data/Extra Routes/b.csv"), "x"));
  prefix.MapDrive('d', dir.File("data"));
  const std::string kavo = Real(prefix.DriveC() + "/Program Files/Kavo");
  struct Case {
    const char* setting;
    std::string local;  // off Windows; "" when the setting stays as it is
  };
  const Case cases[] = {
      {"c:\\program files\\kavo", kavo},
      {"C:/PROGRAM FILES/kavo/railway\\route", kavo + "/Railway/Route"},
      // Parts that do not exist (yet) are kept as written.
      {"c:\\program files\\kavo\\New Routes", kavo + "/New Routes"},
      {"c:\\", Real(prefix.DriveC())},
      {"d:\\extra routes\\", Real(dir.File("data")) + "/Extra Routes"},
      {"q:\\no such drive", ""},
      {"/opt/kavo", ""},
      {"1:\\x", ""},
  };
  for (const Case& c : cases) {
    std::string expected = kOnWindows || c.local.empty() ? c.setting : c.local;
    EXPECT_EQ(platform::LocalPath(c.setting), expected) << c.setting;
  }
  ScopedEnvironment no_prefix("WINEPREFIX", dir.File("missing").c_str());
  EXPECT_EQ(platform::LocalPath("c:\\program files\\kavo"), "c:\\program files\\kavo");
}

TEST(WinePathTest, LocalFilesGetTheDriveWineGivesThemOffWindows) {
  ScratchDir dir;
  FakeWinePrefix prefix(dir.File("prefix"));
  ASSERT_TRUE(WriteFile(prefix.DriveC() + "/Kavo/railway/route/linewrighttemp.csv", "x"));
  ASSERT_TRUE(WriteFile(dir.File("data/r.csv"), "x"));
  ASSERT_TRUE(WriteFile(dir.File("elsewhere/r.csv"), "x"));
  prefix.MapDrive('d', dir.File("data"));
  std::string outside = Real(dir.File("elsewhere/r.csv"));
  std::string z = "Z:";
  for (char c : outside) z += c == '/' ? '\\' : c;
  struct Case {
    std::string path;
    std::string windows;  // off Windows
  };
  const Case cases[] = {
      {prefix.DriveC() + "/Kavo/railway/route/linewrighttemp.csv",
       "C:\\Kavo\\railway\\route\\linewrighttemp.csv"},
      // Reached through the link, it is still on C:, the deepest drive.
      {prefix.path() + "/dosdevices/c:/Kavo/railway/route/not-yet.csv",
       "C:\\Kavo\\railway\\route\\not-yet.csv"},
      {dir.File("data/r.csv"), "D:\\r.csv"},
      {dir.File("elsewhere/r.csv"), z},
  };
  for (const Case& c : cases)
    EXPECT_EQ(platform::WindowsPathUnderWine(c.path), kOnWindows ? c.path : c.windows) << c.path;
  // Without a z: drive the path is still given on Z:, as Wine's default.
  fs::remove(prefix.path() + "/dosdevices/z:");
  EXPECT_EQ(platform::WindowsPathUnderWine(dir.File("elsewhere/r.csv")),
            kOnWindows ? dir.File("elsewhere/r.csv") : z);
}

TEST(WinePathTest, WindowsProgramsStartWithMz) {
  ScratchDir dir;
  struct Case {
    const char* name;
    const char* bytes;
    bool windows;
  };
  const Case cases[] = {
      {"kavo.exe", "MZ\x90", true},
      {"one.exe", "M", false},
      {"elf", "\x7f" "ELF", false},
      {"mz.exe", "mz", false},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(WriteFile(dir.File(c.name), c.bytes));
    EXPECT_EQ(platform::IsWindowsProgram(dir.File(c.name)), c.windows) << c.name;
    EXPECT_EQ(platform::NeedsWine(dir.File(c.name)), c.windows && !kOnWindows) << c.name;
  }
  EXPECT_FALSE(platform::IsWindowsProgram(dir.File("missing.exe")));
  EXPECT_FALSE(platform::IsWindowsProgram(dir.path()));
}

}  // namespace
