// Exchanging signal bitmaps with the simulator's and putting them back,
// also when single file operations fail.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/faulty_filesystem.h"
#include "sigsys/sigsys.h"
#include "test_support.h"
#include "ui/loadsave.h"

namespace {

namespace fs = std::filesystem;
using platform::FileOperation;

const char kSimSignal[] = "simulator signal";
const char kSimRelay[] = "simulator relay";
const char kOwnSignal[] = "system signal";
const char kOwnRelay[] = "system relay";

// A working folder with the system "Mine" and a simulator folder `sim`
// (by default inside the working folder) holding namesakes of two of its
// bitmaps.
class SignalSwapTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetGlobals();
    sigsys = SignalSystem();
    sigsys.name = "Mine";
    sigsys.folder = "Mine";
    sigsys.custom = 1;
    MakeFolders(dir_.File("sim"));
  }
  void TearDown() override {
    ResetGlobals();
    sigsys = SignalSystem();
  }

  void MakeFolders(const std::string& sim) {
    global.simfolder = sim;
    WriteFile(dir_.File("Mine/sigsys.txt"), "Mine\n#signaldef#x#end#");
    WriteFile(dir_.File("Mine/Signal1.bmp"), kOwnSignal);
    WriteFile(dir_.File("Mine/relay.bmp"), kOwnRelay);
    WriteFile(dir_.File("Mine/readme.txt"), "system readme");
    WriteFile(dir_.File("Mine/signal9.bmp"), "no namesake");
    WriteFile(sim + "/signal1.bmp", kSimSignal);
    WriteFile(sim + "/relay.bmp", kSimRelay);
    WriteFile(sim + "/readme.txt", "simulator readme");
  }

  std::string Sim(const char* name) const { return ReadFile(global.simfolder + "/" + name); }
  std::string Own(const char* name) const {
    return ReadFile(dir_.File(std::string("Mine/") + name));
  }
  bool HasRecord() const { return fs::exists(dir_.File("sigswap.linewright")); }

  // Both pairs as they started (false) or both exchanged (true); fails the
  // test when a bitmap is lost or only one pair was exchanged.
  bool Exchanged(const std::string& context) const {
    bool signal = Sim("signal1.bmp") == kOwnSignal;
    bool relay = Sim("relay.bmp") == kOwnRelay;
    EXPECT_EQ(Sim("signal1.bmp"), signal ? kOwnSignal : kSimSignal) << context;
    EXPECT_EQ(Own("Signal1.bmp"), signal ? kSimSignal : kOwnSignal) << context;
    EXPECT_EQ(Sim("relay.bmp"), relay ? kOwnRelay : kSimRelay) << context;
    EXPECT_EQ(Own("relay.bmp"), relay ? kSimRelay : kOwnRelay) << context;
    EXPECT_EQ(signal, relay) << context;
    EXPECT_FALSE(fs::exists(dir_.File("tempswap.bmp"))) << context;
    return signal;
  }

  ScratchDir dir_;
};

TEST_F(SignalSwapTest, ExchangesSignalAndRelayBitmapsAndRestoresThem) {
  RecordedMessages messages;
  ASSERT_TRUE(SwapSignalFiles());
  EXPECT_TRUE(Exchanged("swap"));
  EXPECT_EQ(ReadFile(dir_.File("sigswap.linewright")), "Mine");
  EXPECT_EQ(Own("readme.txt"), "system readme");
  EXPECT_EQ(Sim("readme.txt"), "simulator readme");
  EXPECT_EQ(Own("signal9.bmp"), "no namesake");
  EXPECT_FALSE(fs::exists(global.simfolder + "/signal9.bmp"));

  ASSERT_TRUE(SwapSignalFiles());  // the earlier exchange is put back first
  EXPECT_TRUE(Exchanged("second swap"));

  RestoreDefaultSignals();
  EXPECT_FALSE(Exchanged("restore"));
  EXPECT_FALSE(HasRecord());
  RestoreDefaultSignals();  // no record: nothing happens
  EXPECT_FALSE(Exchanged("second restore"));
  EXPECT_TRUE(messages.errors.empty()) << messages.errors.front();
}

TEST_F(SignalSwapTest, ALaunchRunExchangesOthersOnlyLoad) {
  RecordedMessages messages;
  ASSERT_TRUE(LoadSignalSystem(false));
  EXPECT_FALSE(Exchanged("load only"));
  ASSERT_TRUE(LoadSignalSystem(true));
  EXPECT_TRUE(Exchanged("load and exchange"));
  EXPECT_TRUE(HasRecord());
}

TEST_F(SignalSwapTest, ARecordedFolderThatIsNoPlainFolderIsRejected) {
  for (const char* folder : {"../Mine", "Mine/..", "a/b", "a\\b", "", "..", "Gone"}) {
    WriteFile(dir_.File("sigswap.linewright"), folder);
    RecordedMessages messages;
    RestoreDefaultSignals();
    ASSERT_EQ(messages.errors.size(), 1u) << folder;
    EXPECT_EQ(messages.errors[0],
              "Could not restore default signals.\r\nSwapped signal system seems to have been "
              "removed:\n\n" +
                  std::string(folder))
        << folder;
    EXPECT_TRUE(HasRecord()) << folder;
    EXPECT_FALSE(Exchanged(folder));
  }
}

TEST_F(SignalSwapTest, AnUnreadableRecordIsReported) {
  WriteFile(dir_.File("sigswap.linewright"), "Mine");
  platform::FaultyFileSystem files;
  files.FailAlways(FileOperation::kRead);
  platform::ScopedFileSystem scoped(&files);
  RecordedMessages messages;
  RestoreDefaultSignals();
  ASSERT_EQ(messages.errors.size(), 1u);
  EXPECT_EQ(messages.errors[0],
            "Could not read signal swap data.\r\nDefault signals must be restored manually.");
  EXPECT_TRUE(HasRecord());
}

TEST_F(SignalSwapTest, AMissingSystemFolderEngagesNothing) {
  sigsys.folder = "Gone";
  RecordedMessages messages;
  EXPECT_FALSE(SwapSignalFiles());
  ASSERT_EQ(messages.errors.size(), 1u);
  EXPECT_EQ(messages.errors[0], "Could not engage custom signal bitmaps of system:\n\nMine");
  EXPECT_FALSE(HasRecord());
}

// A file system that fails the `nth` call of `op`; with `renamesFail`
// every rename fails too, as it does across file systems, so that the
// copies that stand in for renames get their turn.
struct Faults {
  Faults(bool renamesFail, int op, int nth) {
    if (renamesFail) files.FailAlways(FileOperation::kRename);
    if (nth > 0) files.FailCall(static_cast<FileOperation>(op), nth);
  }
  platform::FaultyFileSystem files;
};

// Calls of every operation in a run of `run` that fails nowhere else.
std::array<int, platform::kFileOperationCount> CountCalls(bool renamesFail, void (*run)()) {
  Faults faults(renamesFail, 0, 0);
  platform::ScopedFileSystem scoped(&faults.files);
  run();
  std::array<int, platform::kFileOperationCount> calls{};
  for (int op = 0; op < platform::kFileOperationCount; ++op)
    calls[op] = faults.files.Calls(static_cast<FileOperation>(op));
  return calls;
}

void Swap() { SwapSignalFiles(); }

std::string Context(bool renamesFail, int op, int nth) {
  return std::string(renamesFail ? "renames failing, " : "") + "operation " + std::to_string(op) +
         " call " + std::to_string(nth);
}

TEST_F(SignalSwapTest, EveryFailedStepOfAnExchangeLeavesBothBitmaps) {
  int failures = 0;
  for (bool renamesFail : {false, true}) {
    std::array<int, platform::kFileOperationCount> calls;
    {
      RecordedMessages quiet;
      calls = CountCalls(renamesFail, &Swap);
      RestoreDefaultSignals();
    }
    for (int op = 0; op < platform::kFileOperationCount; ++op) {
      for (int nth = 1; nth <= calls[op]; ++nth) {
        std::string context = Context(renamesFail, op, nth);
        Faults faults(renamesFail, op, nth);
        RecordedMessages messages;
        bool ok;
        {
          platform::ScopedFileSystem scoped(&faults.files);
          ok = SwapSignalFiles();
        }
        bool exchanged = Exchanged(context);
        if (ok) {
          EXPECT_TRUE(exchanged) << context;  // a failed rename was made good by a copy
          EXPECT_TRUE(HasRecord()) << context;
        } else if (exchanged) {
          ++failures;
          ASSERT_EQ(messages.errors.size(), 1u) << context;
          EXPECT_EQ(messages.errors[0].substr(0, 31), "Could not write data for restor") << context;
        } else {
          ++failures;
          EXPECT_FALSE(HasRecord()) << context;
          ASSERT_EQ(messages.errors.size(), 1u) << context;
          EXPECT_EQ(messages.errors[0], "Could not engage custom signal bitmaps of system:\n\nMine")
              << context;
        }
        // Back to the start for the next case.
        if (exchanged) {
          if (!HasRecord()) WriteFile(dir_.File("sigswap.linewright"), "Mine");
          RestoreDefaultSignals();
        }
        ASSERT_FALSE(Exchanged(context + ", reset"));
      }
    }
  }
  EXPECT_GT(failures, 20);
}

TEST_F(SignalSwapTest, EveryFailedStepOfARestoreKeepsFilesAndRecordInStep) {
  for (bool renamesFail : {false, true}) {
    std::array<int, platform::kFileOperationCount> calls;
    {
      RecordedMessages quiet;
      ASSERT_TRUE(SwapSignalFiles());
      calls = CountCalls(renamesFail, &RestoreDefaultSignals);
      ASSERT_TRUE(SwapSignalFiles());
    }
    for (int op = 0; op < platform::kFileOperationCount; ++op) {
      for (int nth = 1; nth <= calls[op]; ++nth) {
        std::string context = Context(renamesFail, op, nth);
        Faults faults(renamesFail, op, nth);
        RecordedMessages messages;
        {
          platform::ScopedFileSystem scoped(&faults.files);
          RestoreDefaultSignals();
        }
        bool exchanged = Exchanged(context);
        EXPECT_EQ(HasRecord(), exchanged) << context;
        if (!exchanged) {
          EXPECT_TRUE(messages.errors.empty()) << context;
          ASSERT_TRUE(SwapSignalFiles()) << context;
        } else if (op != static_cast<int>(FileOperation::kExists)) {
          // A failed Exists answers "no record": then nothing was done.
          EXPECT_EQ(messages.errors.size(), 1u) << context;
        }
      }
    }
  }
}

TEST_F(SignalSwapTest, MovesBetweenFileSystemsCopyAndCheck) {
  platform::FaultyFileSystem files;
  files.FailAlways(FileOperation::kRename);  // as a rename across file systems does
  platform::ScopedFileSystem scoped(&files);
  RecordedMessages messages;
  ASSERT_TRUE(SwapSignalFiles());
  EXPECT_TRUE(Exchanged("swap by copies"));
  RestoreDefaultSignals();
  EXPECT_FALSE(Exchanged("restore by copies"));
  EXPECT_TRUE(messages.errors.empty());
}

TEST_F(SignalSwapTest, ASimulatorOnAnotherFileSystemIsExchanged) {
  struct stat shm, work;
  if (stat("/dev/shm", &shm) != 0 || stat(dir_.path().c_str(), &work) != 0 ||
      shm.st_dev == work.st_dev)
    GTEST_SKIP() << "no second file system at /dev/shm";
  char pattern[] = "/dev/shm/linewright-sim-XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  std::string sim = pattern;
  MakeFolders(sim);
  RecordedMessages messages;
  EXPECT_TRUE(SwapSignalFiles());
  EXPECT_TRUE(Exchanged("across file systems"));
  RestoreDefaultSignals();
  EXPECT_FALSE(Exchanged("back across file systems"));
  EXPECT_TRUE(messages.errors.empty());
  fs::remove_all(sim);
}

}  // namespace
