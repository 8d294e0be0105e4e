// Route reading on the sample routes, checked byte for byte against the
// intermediate files kept in tests/rte2int/expected. After a deliberate
// change of the output, run the tests once with LINEWRIGHT_UPDATE_EXPECTED
// set to rewrite them, and review the difference (the dump command makes
// it readable).

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "rte2int/commands.h"
#include "rte2int/recognizer.h"
#include "rte2int/rte2int.h"
#include "test_support.h"
#include "tests/rte2int/same_recognition.h"
#include "ui/loadsave.h"

namespace {

struct SampleRoute {
  const char* path;
  signed char type;
  const char* expected;
};

const SampleRoute kSamples[] = {
    {"sample/kavo/railway/route/Valley Line/Valley Line.csv", kRouteCsv,
     "tests/rte2int/expected/valley_line.tmp"},
    {"sample/kavo/railway/route/Hill Line/Hill Line.rw", kRouteSectioned,
     "tests/rte2int/expected/hill_line.tmp"},
};

TEST(SampleRoutesTest, IntermediateFilesMatchTheExpectedOnes) {
  for (const SampleRoute& sample : kSamples) {
    ScratchDir dir;
    ResetGlobals();
    std::string route = SourcePath(sample.path);
    global.routetype = sample.type;
    global.browsefolder = route.substr(0, route.rfind('/'));
    ASSERT_EQ(Route2Intermediate(route.c_str(), nullptr), 1) << sample.path;
    std::string written = ReadFile(kIntermediateFileName);
    std::string expectedPath = SourcePath(sample.expected);
    if (std::getenv("LINEWRIGHT_UPDATE_EXPECTED") != nullptr) {
      ASSERT_TRUE(WriteFile(expectedPath, written));
    }
    std::string expected = ReadFile(expectedPath);
    ASSERT_FALSE(expected.empty()) << sample.expected;
    EXPECT_TRUE(written == expected) << sample.path << " differs from " << sample.expected;
    // The clean-up's path, station and spacing lines all appear.
    for (const char* kind : {"\x1E!1", "\x1E!3", "\x1E!0"})
      EXPECT_NE(written.find(std::string("\r\n") + kind), std::string::npos) << sample.path;
  }
  ResetGlobals();
}

TEST(SampleRoutesTest, IndexedRecognizerAgreesWithThePlainScan) {
  for (const SampleRoute& sample : kSamples) {
    std::string text = ReadFile(SourcePath(sample.path));
    ASSERT_FALSE(text.empty()) << sample.path;
    for (bool csv : {true, false})
      ExpectRecognitionAsThePlainWalk(text, csv, 0, kCommandCount - 1, sample.path);
  }
}

}  // namespace
