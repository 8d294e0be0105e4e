// linewright: the command-line front end. It hands the arguments to the
// subcommands of the cli library and returns their exit status.

#include <string>
#include <vector>

#include "cli/commands.h"

namespace {

// What "linewright" alone does; the one place to change when the program
// gets its desktop window.
int WithoutSubcommand() {
  return UsageFailure("", "this build has no desktop window; give a command");
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) return WithoutSubcommand();
  return RunSubcommand(args);
}
