// Every step of saving the intermediate file, the route, the chart and
// the settings file failing in turn, and a disk that runs full: each
// failure is reported with the file and the reason, the previous file
// stays whole and no temporary file is left.

#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "int2rte/int2rte.h"
#include "int2rte/int2tech.h"
#include "platform/faulty_filesystem.h"
#include "rte2int/rte2int.h"
#include "sigsys/sigsys.h"
#include "test_support.h"
#include "ui/loadsave.h"

namespace {

namespace fs = std::filesystem;
using platform::FileError;
using platform::FileOperation;

struct Saver {
  const char* name;
  std::string file;     // the file it writes, in the scratch folder
  const char* message;  // the first line of its message
  std::function<bool()> save;
};

struct Fault {
  FileOperation op;  // kWrite with `disk_full` fills the disk instead
  FileError error;
  bool disk_full;
};

class FileFaultsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetGlobals();
    sigsys = SignalSystem();
    WriteFile("route.csv", "With Track\r\n0,\r\n.pitch 3,\r\n25,\r\n");
    global.browsefolder = ".";
    global.routefile = "route.csv";
    global.routetype = kRouteCsv;
    global.outroutepath = dir_.File("linewrighttemp.csv");
    // A first run leaves every file in place, to be kept by a failed save.
    ASSERT_EQ(Route2Intermediate("route.csv", nullptr), 1);
    ASSERT_TRUE(Intermediate2Route(nullptr));
    ASSERT_EQ(Intermediate2Tech(nullptr), 1);
    ASSERT_TRUE(SaveConfig());
  }
  void TearDown() override { ResetGlobals(); }

  std::vector<Saver> Savers() const {
    return {
        {"intermediate file", dir_.File("linewright.tmp"), "Could not write the intermediate file:",
         [] { return Route2Intermediate("route.csv", nullptr) == 1; }},
        {"route", dir_.File("linewrighttemp.csv"),
         "Could not write the route:", [] { return Intermediate2Route(nullptr); }},
        {"chart", dir_.File("chart.html"),
         "Could not write the technical diagram:", [] { return Intermediate2Tech(nullptr) == 1; }},
        {"settings file", dir_.File("linewright10_2.cfg"), "Could not save the settings file:",
         [] {
           global.tilting = 1;
           return SaveConfig();
         }},
    };
  }

  ScratchDir dir_;
};

TEST_F(FileFaultsTest, EveryFailedStepKeepsTheOldFileAndSaysWhy) {
  const Fault faults[] = {
      {FileOperation::kOpen, FileError::kPermissionDenied, false},
      {FileOperation::kWrite, FileError::kNoSpace, false},
      {FileOperation::kFlush, FileError::kNoSpace, false},
      {FileOperation::kClose, FileError::kInputOutput, false},
      {FileOperation::kReplace, FileError::kPermissionDenied, false},
      {FileOperation::kWrite, FileError::kNoSpace, true},
  };
  for (const Saver& saver : Savers()) {
    const std::string before = ReadFile(saver.file);
    ASSERT_FALSE(before.empty()) << saver.name;
    for (const Fault& fault : faults) {
      std::string context =
          std::string(saver.name) + ", " +
          (fault.disk_full ? std::string("full disk") : platform::FileOperationName(fault.op));
      platform::FaultyFileSystem files;
      if (fault.disk_full)
        files.FillDiskAfter(10);
      else
        files.FailCall(fault.op, 1, fault.error);
      RecordedMessages messages;
      {
        platform::ScopedFileSystem scoped(&files);
        EXPECT_FALSE(saver.save()) << context;
      }
      ASSERT_EQ(messages.errors.size(), 1u) << context;
      const std::string& text = messages.errors[0];
      EXPECT_EQ(text.substr(0, text.find('\n')), saver.message) << context;
      // The file (or its temporary file) and the reason.
      EXPECT_NE(text.find("\n\n" + saver.file), std::string::npos) << context << ": " << text;
      EXPECT_NE(text.find(std::string(": ") + platform::FileErrorText(fault.error)),
                std::string::npos)
          << context << ": " << text;
      EXPECT_EQ(ReadFile(saver.file), before) << context;
      EXPECT_FALSE(fs::exists(saver.file + ".lwtmp")) << context;
    }
  }
}

TEST_F(FileFaultsTest, SettingsThatCannotBeReadAreNeverReplaced) {
  const std::string saved = ReadFile("linewright10_2.cfg");
  platform::FaultyFileSystem files;
  files.FailAlways(FileOperation::kRead, FileError::kPermissionDenied);
  platform::ScopedFileSystem scoped(&files);
  RecordedMessages messages;
  ResetGlobals();
  EXPECT_FALSE(LoadConfig());
  EXPECT_EQ(global.simfolder, "c:\\program files\\kavo");  // the defaults
  EXPECT_FALSE(SaveConfig());
  ASSERT_EQ(messages.errors.size(), 2u);
  EXPECT_EQ(messages.errors[0].substr(0, 30), "Could not read the settings fi");
  EXPECT_NE(messages.errors[0].find("linewright10_2.cfg: permission denied"), std::string::npos);
  EXPECT_NE(messages.errors[1].find("cannot be read, so it is left as it is"), std::string::npos)
      << messages.errors[1];
  EXPECT_EQ(ReadFile("linewright10_2.cfg"), saved);
}

#ifndef _WIN32
TEST_F(FileFaultsTest, ANamedPipeIsNeverWaitedOn) {
  for (const char* name : {"pipe.csv", "linewright.tmp.lwtmp"}) {
    fs::remove(name);
    ASSERT_EQ(mkfifo(name, 0644), 0) << name;
  }
  std::string bytes;
  EXPECT_FALSE(platform::Files().ReadFile("pipe.csv", &bytes));
  EXPECT_EQ(platform::Files().LastError(), FileError::kNotRegularFile);
  // A pipe where the temporary file goes fails the save at once.
  RecordedMessages messages;
  EXPECT_EQ(Route2Intermediate("route.csv", nullptr), 0);
  ASSERT_EQ(messages.errors.size(), 1u);
  EXPECT_NE(messages.errors[0].find("linewright.tmp.lwtmp: not a regular file"), std::string::npos)
      << messages.errors[0];
}
#endif

}  // namespace
