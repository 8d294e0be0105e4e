// Exchanging signal bitmaps with the simulator's and putting them back,
// also when single file operations fail.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <filesystem>
#include <string>
#include <vector>

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
const char kEngageFailed[] = "Could not engage custom signal bitmaps of system:\n\nMine";

// A working folder with the system "Mine" and a simulator folder holding
// namesakes of two of its bitmaps.
class SignalSwapTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetGlobals();
    sigsys = SignalSystem();
    sigsys.name = "Mine";
    sigsys.folder = "Mine";
    sigsys.custom = 1;
    WriteFile(dir_.File("Mine/sigsys.txt"), "Mine\n#signaldef#x#end#");
    WriteFile(dir_.File("Mine/Signal1.bmp"), kOwnSignal);
    WriteFile(dir_.File("Mine/relay.bmp"), kOwnRelay);
    WriteFile(dir_.File("Mine/readme.txt"), "system readme");
    WriteFile(dir_.File("Mine/signal9.bmp"), "no namesake");
    MakeSimulator(dir_.File("sim"));
  }
  void TearDown() override {
    ResetGlobals();
    sigsys = SignalSystem();
  }

  static void MakeSimulator(const std::string& sim) {
    global.simfolder = sim;
    WriteFile(sim + "/signal1.bmp", kSimSignal);
    WriteFile(sim + "/relay.bmp", kSimRelay);
    WriteFile(sim + "/readme.txt", "simulator readme");
  }

  static std::string Sim(const char* name) { return ReadFile(global.simfolder + "/" + name); }
  std::string Own(const char* name) const {
    return ReadFile(dir_.File(std::string("Mine/") + name));
  }
  bool HasRecord() const { return fs::exists(dir_.File("sigswap.linewright")); }

  // Whether both pairs are exchanged (else both are as they started); fails
  // the test when a bitmap is lost, only one pair is exchanged, the other
  // files were touched or the temporary file is left.
  bool Exchanged(const std::string& context) const {
    bool signal = Sim("signal1.bmp") == kOwnSignal;
    EXPECT_EQ(Sim("signal1.bmp"), signal ? kOwnSignal : kSimSignal) << context;
    EXPECT_EQ(Own("Signal1.bmp"), signal ? kSimSignal : kOwnSignal) << context;
    EXPECT_EQ(Sim("relay.bmp"), signal ? kOwnRelay : kSimRelay) << context;
    EXPECT_EQ(Own("relay.bmp"), signal ? kSimRelay : kOwnRelay) << context;
    EXPECT_EQ(Own("readme.txt"), "system readme") << context;
    EXPECT_EQ(Sim("readme.txt"), "simulator readme") << context;
    EXPECT_EQ(Own("signal9.bmp"), "no namesake") << context;
    EXPECT_FALSE(fs::exists(dir_.File("tempswap.bmp"))) << context;
    return signal;
  }

  ScratchDir dir_;
};

TEST_F(SignalSwapTest, ExchangesSignalAndRelayBitmapsAndRestoresThem) {
  std::vector<std::string> simulators{global.simfolder};
#ifndef _WIN32
  // A second file system, where there is one (Linux's /dev/shm): renames
  // cannot reach it.
  struct stat shm, work;
  char other[] = "/dev/shm/linewright-sim-XXXXXX";
  if (stat("/dev/shm", &shm) == 0 && stat(dir_.path().c_str(), &work) == 0 &&
      shm.st_dev != work.st_dev && mkdtemp(other) != nullptr)
    simulators.push_back(other);
#endif
  for (const std::string& sim : simulators) {
    MakeSimulator(sim);
    RecordedMessages messages;
    ASSERT_TRUE(LoadSignalSystem(false));
    EXPECT_FALSE(Exchanged(sim + ": a create run loads only"));
    ASSERT_TRUE(LoadSignalSystem(true));
    EXPECT_TRUE(Exchanged(sim + ": swap"));
    EXPECT_EQ(ReadFile(dir_.File("sigswap.linewright")), "Mine");
    ASSERT_TRUE(SwapSignalFiles());  // the earlier exchange is put back first
    EXPECT_TRUE(Exchanged(sim + ": second swap"));
    RestoreDefaultSignals();
    EXPECT_FALSE(Exchanged(sim + ": restore"));
    EXPECT_FALSE(HasRecord());
    RestoreDefaultSignals();  // no record: nothing happens
    EXPECT_FALSE(Exchanged(sim + ": second restore"));
    EXPECT_TRUE(messages.errors.empty()) << messages.errors.front();
  }
  if (simulators.size() > 1) fs::remove_all(simulators[1]);
}

TEST_F(SignalSwapTest, ARecordThatCannotBeUsedStaysAndIsReported) {
  const std::string removed =
      "Could not restore default signals.\r\nSwapped signal system seems to have been removed:\n\n";
  for (const char* folder : {"../Mine", "Mine/..", "a/b", "a\\b", "", "..", "Gone"}) {
    WriteFile(dir_.File("sigswap.linewright"), folder);
    RecordedMessages messages;
    RestoreDefaultSignals();
    EXPECT_EQ(messages.errors, std::vector<std::string>{removed + folder});
    EXPECT_TRUE(HasRecord()) << folder;
    // Exchanging on top would lose track of the simulator's own files.
    EXPECT_FALSE(SwapSignalFiles());
    EXPECT_EQ(messages.errors.back(), kEngageFailed);
    EXPECT_FALSE(Exchanged(folder));
  }
  platform::FaultyFileSystem unreadable;
  unreadable.FailAlways(FileOperation::kRead);
  platform::ScopedFileSystem scoped(&unreadable);
  RecordedMessages messages;
  RestoreDefaultSignals();
  EXPECT_EQ(messages.errors,
            std::vector<std::string>{"Could not read signal swap data.\r\n"
                                     "Default signals must be restored manually."});
}

TEST_F(SignalSwapTest, EveryFailedStepLeavesBothBitmapsAndTheRecordInStep) {
  int failures = 0;
  // Swapping from the start, then restoring from the exchange; with every
  // rename failing too (as across file systems) the copies get their turn.
  for (bool restore : {false, true}) {
    for (bool renamesFail : {false, true}) {
      auto faults = [&](int op, int nth) {
        auto files = std::make_unique<platform::FaultyFileSystem>();
        if (renamesFail) files->FailAlways(FileOperation::kRename);
        if (nth > 0) files->FailCall(static_cast<FileOperation>(op), nth);
        return files;
      };
      auto run = [&](platform::FileSystem* files) {
        platform::ScopedFileSystem scoped(files);
        return restore ? (RestoreDefaultSignals(), !HasRecord()) : SwapSignalFiles();
      };
      auto reset = [&] {  // to the start: as installed, or exchanged for a restore
        RecordedMessages quiet;
        if (Exchanged("reset")) {
          if (!HasRecord()) WriteFile(dir_.File("sigswap.linewright"), "Mine");
          RestoreDefaultSignals();
        }
        if (restore) SwapSignalFiles();
      };
      reset();
      auto counter = faults(0, 0);
      ASSERT_TRUE(run(counter.get()));  // renames failing alone are made good by copies
      EXPECT_EQ(Exchanged("no failure"), !restore);
      for (int op = 0; op < platform::kFileOperationCount; ++op) {
        for (int nth = 1; nth <= counter->Calls(static_cast<FileOperation>(op)); ++nth) {
          std::string context = std::string(restore ? "restore" : "swap") +
                                (renamesFail ? ", renames failing" : "") + ", operation " +
                                std::to_string(op) + " call " + std::to_string(nth);
          reset();
          RecordedMessages messages;
          bool ok = run(faults(op, nth).get());
          bool exchanged = Exchanged(context);
          if (!ok) ++failures;
          if (ok) {
            EXPECT_EQ(exchanged, !restore) << context;
          } else if (!restore && exchanged) {
            ASSERT_EQ(messages.errors.size(), 1u) << context;
            EXPECT_EQ(messages.errors[0].substr(0, 31), "Could not write data for restor")
                << context;
            continue;
          } else if (!restore) {
            EXPECT_EQ(messages.errors, std::vector<std::string>{kEngageFailed}) << context;
          } else if (op != static_cast<int>(FileOperation::kExists)) {
            // (A failed Exists answers "no record": nothing is done.)
            EXPECT_EQ(messages.errors.size(), 1u) << context;
          }
          EXPECT_EQ(HasRecord(), exchanged) << context;
        }
      }
    }
  }
  EXPECT_GT(failures, 40);
}

}  // namespace
