// linewright: the command-line front end. It hands the arguments to the
// subcommands of the cli library and returns their exit status; with no
// subcommand it opens the desktop window when the build has one.

#include <string>
#include <vector>

#include "cli/commands.h"
#include "platform/memory.h"
#ifdef LINEWRIGHT_HAVE_GUI
#include "cli/desktop.h"
#endif

namespace {

// What "linewright" alone does: the window when there is one and a display
// to show it on, otherwise a usage error that says why.
int WithoutSubcommand(int argc, char** argv) {
#ifdef LINEWRIGHT_HAVE_GUI
  std::string reason;
  if (DesktopAvailable(&reason)) return RunDesktopWindow(argc, argv);
  return UsageFailure("", "cannot open the window: " + reason + "; give a command");
#else
  (void)argc;
  (void)argv;
  return UsageFailure("", "this build has no desktop window; give a command");
#endif
}

}  // namespace

int main(int argc, char** argv) {
  platform::ReturnLargeBlocksToTheSystem();
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) return WithoutSubcommand(argc, argv);
  int status = RunSubcommand(args);
  // What was printed must have arrived: a full disk or a closed pipe
  // behind standard output is a failure, not a silent success.
  return CheckStandardOutput(status);
}
