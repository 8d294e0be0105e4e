#include "ui/simstart.h"

#include "platform/files.h"
#include "platform/wine.h"
#include "ui/loadsave.h"
#include "ui/run.h"

platform::ProcessStart SimulatorStart() {
  platform::ProcessStart start;
  start.program = SimulatorProgram();
  start.arguments = SimulatorArguments();
  start.command_line = SimulatorCommandLine();
  std::string executable = platform::ResolveRoutePath(global.simfolder, global.simexe);
  if (!platform::NeedsWine(executable)) return start;
  start.program = executable;
  if (global.simrunner.empty()) return start;
  // The route path is the first argument.
  start.arguments[0] = platform::WindowsPathUnderWine(start.arguments[0]);
  start.arguments.insert(start.arguments.begin(), executable);
  start.program = global.simrunner;
  start.folder = global.simfolder;
  return start;
}
