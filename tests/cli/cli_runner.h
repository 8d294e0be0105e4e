#ifndef LINEWRIGHT_TESTS_CLI_CLI_RUNNER_H
#define LINEWRIGHT_TESTS_CLI_CLI_RUNNER_H

// Running the built linewright program from a test, and a copy of the
// sample installation to run it on.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/files.h"
#include "test_support.h"

namespace cli_test {

namespace fs = std::filesystem;

using Outcome = ProgramRun;

inline std::string FirstLine(const std::string& text) { return text.substr(0, text.find('\n')); }

// Runs the built program in the working folder, standard input empty.
inline Outcome Linewright(const std::vector<std::string>& args) {
  // Never a display: "linewright" alone must not open a window here.
  ScopedEnvironment no_display("DISPLAY", nullptr);
  ScopedEnvironment no_wayland("WAYLAND_DISPLAY", nullptr);
  ScopedEnvironment no_platform("QT_QPA_PLATFORM", nullptr);
  return RunProgram(LINEWRIGHT_PROGRAM, args);
}

// A copy of the sample installation without the turnout signs, in the
// scratch folder "kavo", and the options that point a run at it.
class InstallationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::copy(SourcePath("sample/kavo"), dir_.File("kavo"), fs::copy_options::recursive);
    fs::remove_all(dir_.File("kavo/railway/object/LINEWRIGHT"));
  }

  std::vector<std::string> Generate(std::vector<std::string> more) const {
    std::vector<std::string> args = {"generate", "--route", Route("Starter/starter.csv"),
                                     "--train", "Blue Arrow", "--kind", "create",
                                     "--sim-folder", dir_.File("kavo"), "--route-folder",
                                     dir_.File("kavo/railway/route"), "--train-folder",
                                     dir_.File("kavo/train")};
    args.insert(args.end(), more.begin(), more.end());
    return args;
  }
  std::string Route(const std::string& name) const { return dir_.File("kavo/railway/route/" + name); }
  // The written route's path as the program makes it, with its own separator.
  std::string WrittenPath() const {
    return platform::JoinPath(dir_.File("kavo/railway/route"), "linewrighttemp.csv");
  }
  std::string Written() const { return ReadFile(Route("linewrighttemp.csv")); }
  std::string Signs() const {
    std::string signs = dir_.File("kavo");
    for (const char* part : {"railway", "object", "LINEWRIGHT", "objs"})
      signs = platform::JoinPath(signs, part);
    return signs;
  }

  ScratchDir dir_;
};

}  // namespace cli_test

#endif
