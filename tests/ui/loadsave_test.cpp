#include "ui/loadsave.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/files.h"
#include "sigsys/sigsys.h"
#include "test_support.h"

namespace {

class ConfigTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetGlobals();
    sigsys = SignalSystem();
  }
  ScratchDir dir_;
};

TEST_F(ConfigTest, MissingFileGivesDefaultFolders) {
  LoadConfig();
  EXPECT_EQ(global.simfolder, "c:\\program files\\kavo");
  EXPECT_EQ(global.routefolder, "c:\\program files\\kavo\\railway\\route");
  EXPECT_EQ(global.trainfolder, "c:\\program files\\kavo\\train");
  EXPECT_EQ(global.simexe, "kavo.exe");
  EXPECT_EQ(global.browsefolder, global.routefolder);
  EXPECT_EQ(global.outroutepath,
            global.routefolder + platform::kPathSeparator + "linewrighttemp.csv");
}

TEST_F(ConfigTest, DefaultsSaveToExactBytes) {
  LoadConfig();
  sigsys.name = "Kavo Default";
  ASSERT_TRUE(SaveConfig());
  EXPECT_EQ(ReadFile("linewright10_2.cfg"),
            "c:\\program files\\kavo\n"
            "c:\\program files\\kavo\\railway\\route\n"
            "c:\\program files\\kavo\\train\n"
            "kavo.exe\n"
            "0 0 0 0 0 0\n"
            "650 653 700 20 710\n"
            "0 0 59400 0\n"
            "Kavo Default");
}

TEST_F(ConfigTest, SaveThenLoadKeepsEveryField) {
  global.simfolder = "/opt/kavo";
  global.routefolder = "/opt/kavo/railway/route";
  global.trainfolder = "/opt/kavo/train";
  global.simexe = "kavo";
  global.developermode = 1;
  global.randomdwell = 1;
  global.tilting = 1;
  global.signalmode = kSignalsStrong;
  global.adhesionmode = kAdhesionBad;
  global.statictrainmode = kStaticMove;
  global.alternativechance = 55;
  global.timetablemode = kTimetableCustom;
  global.showerrors = 1;
  global.starttime = 32700;
  global.loosetimetable = 1;
  sigsys.name = "Mine";
  ASSERT_TRUE(SaveConfig());
  EXPECT_NE(ReadFile("linewright10_2.cfg").find("1 0 1 0 0 1\n656 657 702 55 711\n1 0 32700 1\nMine"),
            std::string::npos);
  Settings saved = global;
  ResetGlobals();
  sigsys.name.clear();
  LoadConfig();
  EXPECT_EQ(global.simfolder, saved.simfolder);
  EXPECT_EQ(global.simexe, "kavo");
  EXPECT_EQ(global.alternativechance, 55);
  EXPECT_EQ(global.timetablemode, kTimetableCustom);
  EXPECT_EQ(global.starttime, 32700);
  EXPECT_EQ(global.loosetimetable, 1);
  EXPECT_EQ(sigsys.name, "Mine");
}

TEST_F(ConfigTest, LinesAreCleanedOfLineEndsAndOneTrailingSeparator) {
  WriteFile("linewright10_2.cfg",
            "d:\\kavo\\\r\n"  // CR LF and a trailing backslash
            "/srv/routes/\n"
            "c:\\\n"          // a root keeps its backslash
            "\n"              // an empty line gives an empty field
            "1 1\n"           // a short line leaves the rest at the defaults
            "651\n"
            "1 1 3600 1\n"
            "A very long signal system name");
  LoadConfig();
  EXPECT_EQ(global.simfolder, "d:\\kavo");
  EXPECT_EQ(global.routefolder, "/srv/routes");
  EXPECT_EQ(global.trainfolder, "c:\\");
  EXPECT_EQ(global.simexe, "");
  EXPECT_EQ(global.developermode, 1);
  EXPECT_EQ(global.randomtrackquality, 1);
  EXPECT_EQ(global.randomdwell, 0);
  EXPECT_EQ(global.signalmode, kSignalsMild);
  EXPECT_EQ(global.adhesionmode, kAdhesionNone);
  EXPECT_EQ(global.alternativechance, 20);
  EXPECT_EQ(global.starttime, 3600);
  EXPECT_EQ(sigsys.name, "A very long sig");
  EXPECT_EQ(global.browsefolder, "/srv/routes");
}

TEST_F(ConfigTest, LastLineWithoutLineEndKeepsAllItsCharacters) {
  WriteFile("linewright10_2.cfg", "a\nb\nc\nkavo.exe");
  LoadConfig();
  EXPECT_EQ(global.simexe, "kavo.exe");
  EXPECT_EQ(global.signalmode, kSignalsNone);
}

TEST_F(ConfigTest, FailedSaveIsReported) {
  RecordedMessages messages;
  platform::RemoveFile("linewright10_2.cfg");
  // A folder where the file should be makes the save fail.
  std::string blocker = std::string("linewright10_2.cfg") + ".lwtmp";
  ASSERT_TRUE(WriteFile(blocker + "/x", "x"));
  EXPECT_FALSE(SaveConfig());
  ASSERT_EQ(messages.errors.size(), 1u);
  EXPECT_EQ(messages.errors[0], "Could not save the settings file:\n\n" +
                                    platform::AbsolutePath(blocker) +
                                    ": is a folder (move it away or choose another file)");
}

// Off Windows the folders are found in the Wine prefix, on Windows they
// are used as written; the file keeps them as written on both.
TEST_F(ConfigTest, FoldersAreSavedAsWrittenWhileTheyAreUnchanged) {
  FakeWinePrefix prefix(dir_.File("prefix"));
  ASSERT_TRUE(WriteFile(prefix.DriveC() + "/Kavo/Train/Blue Arrow/train.dat", "x"));
  WriteFile("linewright10_2.cfg", "c:\\kavo\\\nc:\\kavo\\routes\nC:\\KAVO\\TRAIN\nkavo.exe\n");
  LoadConfig();
#ifdef _WIN32
  EXPECT_EQ(global.trainfolder, "C:\\KAVO\\TRAIN");
#else
  EXPECT_EQ(global.trainfolder, std::filesystem::canonical(prefix.DriveC()).string() + "/Kavo/Train");
#endif
  EXPECT_EQ(global.outroutepath, OutRoutePath(global.routefolder));
  global.routefolder = dir_.File("elsewhere");
  ASSERT_TRUE(SaveConfig());
  std::string saved = ReadFile("linewright10_2.cfg");
  EXPECT_EQ(saved.substr(0, saved.find("0 0 0")),
            "c:\\kavo\n" + dir_.File("elsewhere") + "\nC:\\KAVO\\TRAIN\nkavo.exe\n");
}

TEST(RouteTypeTest, FromLastLetter) {
  EXPECT_EQ(RouteTypeOf("a.rw"), kRouteSectioned);
  EXPECT_EQ(RouteTypeOf("a.CSV"), kRouteCsv);
  EXPECT_EQ(RouteTypeOf("a.scr"), kRouteScript);
  EXPECT_EQ(RouteTypeOf("a.txt"), kRouteNone);
  EXPECT_EQ(RouteTypeOf(""), kRouteNone);
}

}  // namespace
