#ifndef LINEWRIGHT_TESTS_CLI_CLI_RUNNER_H
#define LINEWRIGHT_TESTS_CLI_CLI_RUNNER_H

// Running the built linewright program from a test, through a POSIX shell.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "test_support.h"

namespace cli_test {

namespace fs = std::filesystem;

struct Outcome {
  int status = -1;
  std::string out;
  std::string err;
};

inline std::string Quoted(const std::string& word) {
  std::string q = "'";
  for (char c : word) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

inline std::string FirstLine(const std::string& text) { return text.substr(0, text.find('\n')); }

// Runs the built program in the working folder, standard input empty.
inline Outcome Linewright(const std::vector<std::string>& args) {
  // One capture per test process: ctest runs tests side by side.
  static const std::string kCapture =
      (fs::temp_directory_path() / ("linewright-cli-" + std::to_string(getpid()) + "-")).string();
  // Never a display: "linewright" alone must not open a window here. A
  // run that hangs is ended (status 124) instead of holding up the suite.
  std::string command = "timeout -k 5 60 env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " +
                        Quoted(std::string(LINEWRIGHT_BINARY_DIR) + "/cli/linewright");
  for (const std::string& a : args) command += " " + Quoted(a);
  command += " >" + kCapture + "out 2>" + kCapture + "err </dev/null";
  Outcome outcome;
  int raw = std::system(command.c_str());
  outcome.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  outcome.out = ReadFile(kCapture + "out");
  outcome.err = ReadFile(kCapture + "err");
  fs::remove(kCapture + "out");
  fs::remove(kCapture + "err");
  return outcome;
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
    std::vector<std::string> args = {"generate",
                                     "--route",
                                     Route("Starter/starter.csv"),
                                     "--train",
                                     "Blue Arrow",
                                     "--kind",
                                     "create",
                                     "--sim-folder",
                                     dir_.File("kavo"),
                                     "--route-folder",
                                     dir_.File("kavo/railway/route"),
                                     "--train-folder",
                                     dir_.File("kavo/train")};
    args.insert(args.end(), more.begin(), more.end());
    return args;
  }
  std::string Route(const std::string& name) const {
    return dir_.File("kavo/railway/route/" + name);
  }
  std::string Written() const { return ReadFile(Route("linewrighttemp.csv")); }
  std::string Signs() const { return dir_.File("kavo/railway/object/LINEWRIGHT/objs"); }

  ScratchDir dir_;
};

}  // namespace cli_test

#endif
