#include "ui/run.h"

#include "core/rteprocs.h"
#include "int2rte/int2rte.h"
#include "int2rte/int2tech.h"
#include "platform/files.h"
#include "platform/filesystem.h"
#include "platform/messages.h"
#include "platform/process.h"
#include "rte2int/rte2int.h"
#include "sigsys/sigsys.h"
#include "ui/loadsave.h"
#include "ui/route_list.h"
#include "ui/simstart.h"
#include "ui/turnout_signs.h"

const char kDeveloperCode[] = "40372958";
const char kLockFileName[] = "linewright.lock";

std::string SimulatorProgram() { return platform::JoinPath(global.simfolder, global.simexe); }

std::vector<std::string> SimulatorArguments() {
  std::vector<std::string> args{global.outroutepath};
  if (global.developermode) args.push_back(std::string("/d=") + kDeveloperCode);
  return args;
}

std::string SimulatorCommandLine() {
  std::vector<std::string> args = SimulatorArguments();
  // The route path is the first argument and the only one quoted.
  std::string line = SimulatorProgram() + " \"" + args[0] + "\"";
  for (size_t i = 1; i < args.size(); ++i) line += " " + args[i];
  return line;
}

namespace {

// The route's markers show the turnout signs only where the simulator
// finds them, so a run puts any that are missing in place, once.
void InstallMissingTurnoutSigns() {
  TurnoutSignInstall install;
  if (!InstallTurnoutSigns(global.simfolder, &install)) {
    ErrorMessage("Could not install the turnout signs that the route shows at switches:",
                 install.error.c_str());
  } else if (!install.installed.empty()) {
    platform::ShowNote("Turnout signs installed in " + install.folder + ": " +
                       TurnoutSignNames(install.installed));
  }
}

}  // namespace

bool LockWorkingFolder(platform::FileLock* lock, std::string* error) {
  bool busy = false;
  std::string reason;
  if (lock->Acquire(kLockFileName, kRunLockWaitMs, &busy, &reason)) return true;
  std::string folder = platform::AbsolutePath(".");
  if (busy)
    *error = "another run of Linewright is using the working folder " + folder + " (it holds " +
             kLockFileName + "); wait until it has finished and run again";
  else
    *error = "cannot lock the working folder " + folder + ": " + kLockFileName + ": " + reason;
  return false;
}

bool GenerationRun(int kind, platform::ProgressSink* progress) {
  if (kind == kRunCancel) return false;
  platform::FileLock lock;
  std::string error;
  if (!LockWorkingFolder(&lock, &error)) {
    ErrorMessage("Could not start the run:", error.c_str());
    return false;
  }
  if (!WriteRunOutput(kind, progress)) return false;
  return kind != kRunLaunch || StartSimulator();
}

bool WriteRunOutput(int kind, platform::ProgressSink* progress) {
  if (kind == kRunCancel) return false;
  // A train name that would end a route command corrupts the route.
  std::string bad = RouteBreakingCharacters(global.trainname);
  if (!bad.empty()) {
    ErrorMessage("The train cannot be used:", TrainNameProblem(global.trainname, bad).c_str());
    return false;
  }
  // What an earlier run that was killed half-way through a write left.
  for (const std::string& written :
       {std::string(kIntermediateFileName), std::string(kChartFileName),
        std::string(kConfigFileName), std::string(kSwapRecord), global.outroutepath})
    platform::RemoveStaleTemporaryFile(written);
  // The log holds this run from its start, signal bitmaps included.
  platform::RemoveFile("log.txt");
  // Bitmaps a launch exchanged stay for the simulator until the next start.
  RestoreDefaultSignals();
  // Every route-writing run needs a custom system's templates; only a
  // launch exchanges its bitmaps. A system that cannot be loaded leaves the
  // route its own signals.
  LoadSignalSystem(kind == kRunLaunch);

  std::string routePath = platform::JoinPath(global.browsefolder, global.routefile);
  bool read;
  {
    platform::ProgressStage stage(progress, "reading route");
    read = Route2Intermediate(routePath.c_str(), progress);
  }
  // Writing from an older intermediate file would give the wrong route;
  // the stage said what failed.
  if (!read) return false;
  if (kind == kRunChart) {
    // A chart run writes no route, so the last run's route goes.
    platform::RemoveFile(global.outroutepath);
    platform::ProgressStage stage(progress, "writing chart");
    return Intermediate2Tech(progress) != 0;
  }
  bool written;
  {
    platform::ProgressStage stage(progress, "writing route");
    // The writer replaces the old route only once the new one is written.
    written = Intermediate2Route(progress);
  }
  // The writer said what failed.
  if (!written) return false;
  InstallMissingTurnoutSigns();
  return true;
}

bool StartSimulator() {
  std::string commandLine = SimulatorCommandLine();
  log(("starting " + commandLine).c_str());
  std::string reason;
  platform::ProcessStart start = SimulatorStart();
  if (!platform::StartDetached(start, &reason)) {
    std::string detail = commandLine + "\n" + reason;
    if (start.program == global.simrunner)
      detail += "\nThe simulator is a Windows program, started through " + global.simrunner +
                ": install Wine, or choose the program that runs it.";
    ErrorMessage("Could not start the simulator:", detail.c_str());
    return false;
  }
  return true;
}
