#include "ui/run.h"

#include <gtest/gtest.h>

#include "platform/files.h"
#include "sigsys/sigsys.h"
#include "test_support.h"
#include "ui/loadsave.h"

namespace {

const std::string kSep(1, platform::kPathSeparator);

TEST(SimulatorCommandLineTest, QuotesTheRouteAndAddsTheDeveloperSwitch) {
  ResetGlobals();
  global.simfolder = "c:\\program files\\kavo";
  global.simexe = "kavo.exe";
  global.outroutepath = "c:\\routes\\linewrighttemp.csv";
  EXPECT_EQ(SimulatorCommandLine(),
            "c:\\program files\\kavo" + kSep + "kavo.exe \"c:\\routes\\linewrighttemp.csv\"");
  global.developermode = 1;
  EXPECT_EQ(SimulatorCommandLine(), "c:\\program files\\kavo" + kSep +
                                        "kavo.exe \"c:\\routes\\linewrighttemp.csv\" /d=40372958");
  EXPECT_EQ(SimulatorProgram(), "c:\\program files\\kavo" + kSep + "kavo.exe");
  ASSERT_EQ(SimulatorArguments().size(), 2u);
  EXPECT_EQ(SimulatorArguments()[0], "c:\\routes\\linewrighttemp.csv");
  EXPECT_EQ(SimulatorArguments()[1], "/d=40372958");
}

TEST(GenerationRunTest, StopsWhenTheRouteCannotBeRead) {
  ScratchDir dir;
  RecordedMessages messages;
  ResetGlobals();
  sigsys = SignalSystem();
  global.browsefolder = dir.path();
  global.routefile = "missing.csv";
  global.routetype = kRouteCsv;
  global.outroutepath = dir.File("linewrighttemp.csv");
  WriteFile("log.txt", "old log\n");
  WriteFile(global.outroutepath, "old route");
  WriteFile("linewright.tmp", " \r\n");  // a stale intermediate file

  EXPECT_FALSE(GenerationRun(kRunCreate, nullptr));
  ASSERT_EQ(messages.errors.size(), 1u);
  EXPECT_EQ(messages.errors[0], "Could not read the route:\n\n" + dir.path() + kSep +
                                    "missing.csv: no such file or folder");
  // The old route stays and nothing was written from the stale file.
  EXPECT_EQ(ReadFile(global.outroutepath), "old route");
  EXPECT_EQ(ReadFile("log.txt").find("old log"), std::string::npos);
  EXPECT_EQ(ReadFile("log.txt").find("Intermediate2Route"), std::string::npos);
}

// Records the stage labels as they begin ("+label") and end ("-").
class StageRecorder : public platform::ProgressSink {
 public:
  void SetPosition(int) override {}
  void BeginStage(const char* label) override { stages += "+" + std::string(label) + " "; }
  void EndStage() override { stages += "- "; }
  std::string stages;
};

TEST(GenerationRunTest, LabelsEachStageForTheProgressBar) {
  ScratchDir dir;
  RecordedMessages messages;
  ResetGlobals();
  sigsys = SignalSystem();
  WriteFile(dir.File("r.scr"), "With Track\r\n0,#rnd<1,2>\r\n");
  global.browsefolder = dir.path();
  global.routefile = "r.scr";
  global.routetype = kRouteScript;
  global.outroutepath = dir.File("linewrighttemp.csv");
  global.simfolder = dir.path();
  WriteFile(dir.File("railway/object/LINEWRIGHT/objs/x"), "");
  StageRecorder progress;
  ASSERT_TRUE(WriteRunOutput(kRunCreate, &progress));
  EXPECT_EQ(progress.stages, "+reading route +running script - - +writing route - ");
  progress.stages.clear();
  ASSERT_TRUE(WriteRunOutput(kRunChart, &progress));
  EXPECT_EQ(progress.stages, "+reading route +running script - - +writing chart - ");
}

TEST(GenerationRunTest, AWindowRunIsRefusedWhileLockedOrWithACorruptingTrain) {
  ScratchDir dir;
  RecordedMessages messages;
  ResetGlobals();
  sigsys = SignalSystem();
  WriteFile(dir.File("r.csv"), "With Track\r\n0,\r\n");
  global.browsefolder = dir.path();
  global.routefile = "r.csv";
  global.routetype = kRouteCsv;
  global.outroutepath = dir.File("linewrighttemp.csv");
  global.trainname = "Class 50, blue";
  EXPECT_FALSE(GenerationRun(kRunCreate, nullptr));
  ASSERT_EQ(messages.errors.size(), 1u);
  EXPECT_EQ(messages.errors[0].find(
                "The train cannot be used:\n\nthe train name 'Class 50, blue' holds ','"),
            0u);
  EXPECT_FALSE(platform::PathExists(global.outroutepath));

  global.trainname = "Blue";
  platform::FileLock other;
  bool busy = false;
  std::string reason;
  ASSERT_TRUE(other.Acquire(kLockFileName, 0, &busy, &reason));
  platform::FileLock second;
  EXPECT_FALSE(second.Acquire(kLockFileName, 200, &busy, &reason));
  EXPECT_TRUE(busy);
}

TEST(GenerationRunTest, CancelDoesNothing) {
  ScratchDir dir;
  WriteFile("log.txt", "old log\n");
  EXPECT_FALSE(GenerationRun(kRunCancel, nullptr));
  EXPECT_EQ(ReadFile("log.txt"), "old log\n");
}

}  // namespace
