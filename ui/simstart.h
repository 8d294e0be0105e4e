#ifndef LINEWRIGHT_UI_SIMSTART_H
#define LINEWRIGHT_UI_SIMSTART_H

#include "platform/process.h"

// How a launch run starts the simulator from the settings in `global`.
// On Windows: simfolder\simexe with the command line SimulatorCommandLine()
// as it stands. Elsewhere, a native executable gets the route path and the
// developer switch as arguments; a Windows executable (found in simfolder
// ignoring letter case) is given to `simrunner` ("wine EXE ROUTE"), started
// in simfolder, with the route path in the form Windows programs under
// Wine understand. With `simrunner` empty it is started directly.
platform::ProcessStart SimulatorStart();

#endif
