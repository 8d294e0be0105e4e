#ifndef LINEWRIGHT_UI_RUN_H
#define LINEWRIGHT_UI_RUN_H

#include <string>
#include <vector>

#include "platform/progress.h"

// What the user asked the start options for.
enum RunKind { kRunLaunch = 1, kRunCancel = 2, kRunCreate = 6, kRunChart = 7 };

// The developer code the simulator gets in developer mode, and that every
// written route carries as its developer id.
extern const char kDeveloperCode[];

// The simulator's command line for the log and the user:
// simfolder\simexe "outroutepath", plus " /d=40372958" in developer mode.
std::string SimulatorCommandLine();
// The same as a program and its arguments, for starting it without a shell.
std::string SimulatorProgram();
std::vector<std::string> SimulatorArguments();

// One generation run over the route chosen in `global`: puts back signal
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
// "running script", "writing route", "writing chart".
bool WriteRunOutput(int kind, platform::ProgressSink* progress);
// Starts the simulator on the written route; false after a reported
// failure.
bool StartSimulator();

#endif
