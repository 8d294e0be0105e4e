#ifndef LINEWRIGHT_UI_RUN_H
#define LINEWRIGHT_UI_RUN_H

#include <string>
#include <vector>

#include "platform/file_lock.h"
#include "platform/progress.h"

// What the user asked the start options for.
enum RunKind { kRunLaunch = 1, kRunCancel = 2, kRunCreate = 6, kRunChart = 7 };

// The developer code the simulator gets in developer mode, and that every
// written route carries as its developer id.
extern const char kDeveloperCode[];

// The lock file in the working folder, beside the configuration file, that
// keeps two runs in one working folder from writing over each other's
// files; and how long a run waits for the other one to end.
extern const char kLockFileName[];
constexpr int kRunLockWaitMs = 5000;
// Takes the working folder's lock for a run. False, with a message for
// the user in `error` that names the folder, when another run held it for
// the whole wait or the lock file cannot be opened.
bool LockWorkingFolder(platform::FileLock* lock, std::string* error);

// The simulator's command line for the log and the user:
// simfolder\simexe "outroutepath", plus " /d=40372958" in developer mode.
std::string SimulatorCommandLine();
// The same as a program and its arguments, for starting it without a shell.
std::string SimulatorProgram();
std::vector<std::string> SimulatorArguments();

// One generation run over the route chosen in `global`, holding the
// working folder's lock (LockWorkingFolder) throughout: puts back signal
// bitmaps an earlier launch left exchanged, loads the chosen signal system
// (a launch also exchanges its bitmaps), reads the route, then writes the
// route (create, launch) or the chart (chart), and for a launch starts the
// simulator. True when the run wrote its output (and,
// for a launch, the simulator was started). Failures are reported through
// the message sink.
bool GenerationRun(int kind, platform::ProgressSink* progress);

// The two halves of GenerationRun, for a caller that reports the written
// output before the simulator starts. WriteRunOutput does everything but
// the start: for a launch it loads the signal system, and for a create or
// launch run it installs the turnout signs that are missing in the
// simulator's object folder (saying so through the message sink's note).
// The stages are labelled for the progress sink: "reading route",
// "running script", "writing route", "writing chart". The caller holds
// the working folder's lock. A train name with RouteBreakingCharacters is
// refused; temporary files that a killed run left are removed first.
bool WriteRunOutput(int kind, platform::ProgressSink* progress);
// Starts the simulator on the written route; false after a reported
// failure.
bool StartSimulator();

#endif
