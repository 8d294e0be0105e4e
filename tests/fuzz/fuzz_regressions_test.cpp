// Replays every input the fuzzers found a fault with (fuzz/regressions/
// TARGET/), and one ordinary input per target so that each target's path
// stays exercised, under whatever sanitizers the tests were built with.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "fuzz/fuzz_targets.h"
#include "platform/messages.h"
#include "scrprocs/scrprocs.h"
#include "test_support.h"

namespace {

namespace fs = std::filesystem;

void Replay(const FuzzTarget& target, const std::string& bytes) {
  platform::MessageSink* sink = platform::SetMessageSink(nullptr);
  long long growth = RouteGrowthLimit();
  target.run(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
  SetRouteGrowthLimit(growth);
  platform::SetMessageSink(sink);
}

TEST(FuzzRegressions, EveryFindingRunsCleanly) {
  int replayed = 0;
  for (const FuzzTarget& target : kFuzzTargets) {
    fs::path folder = fs::path(SourcePath("fuzz/regressions")) / target.name;
    std::vector<fs::path> inputs;
    if (fs::is_directory(folder))
      for (const auto& entry : fs::directory_iterator(folder)) inputs.push_back(entry.path());
    std::sort(inputs.begin(), inputs.end());
    for (const fs::path& input : inputs) {
      SCOPED_TRACE(input.string());
      ScratchDir dir;
      auto start = std::chrono::steady_clock::now();
      Replay(target, ReadFile(input.string()));
      // The fuzzers count an input that takes this long as a hang.
      EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
      ++replayed;
    }
  }
  RecordProperty("replayed", replayed);
}

TEST(FuzzRegressions, EveryTargetTakesAnOrdinaryInput) {
  const std::string route = ReadFile(SourcePath("sample/kavo/railway/route/Starter/starter.csv"));
  const std::string intermediate = ReadFile(SourcePath("tests/rte2int/expected/hill_line.tmp"));
  ASSERT_FALSE(route.empty());
  ASSERT_FALSE(intermediate.empty());
  for (const FuzzTarget& target : kFuzzTargets) {
    SCOPED_TRACE(target.name);
    ScratchDir dir;
    std::string name = target.name;
    if (name == "intermediate")
      Replay(target, std::string(8, '\x01') + intermediate);
    else if (name == "config")
      Replay(target,
             "/kavo\n/kavo/route\n/kavo/train\nkavo.exe\n1 0 1 0 1 0\n652 654 701 35 712\n");
    else if (name == "signal_system")
      Replay(target,
             std::string("\x03\x02\x09") + "Mine\nA system.\n#end#\n#signaldef#\xA7s\xA7x#end#");
    else
      Replay(target, std::string(3, '\x01') + route);
  }
  // The runs wrote where they were told, not somewhere else.
  EXPECT_FALSE(fs::exists(SourcePath("routes")));
}

}  // namespace
