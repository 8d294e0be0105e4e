#include "ui/startup.h"

#include "platform/random.h"
#include "sigsys/sigsys.h"
#include "ui/loadsave.h"

void StartUp() {
  platform::SeedRandomFromClock();
  ResetGlobals();
  LoadConfig();
  // The swap record names files in simfolder, so the folders come first.
  RestoreDefaultSignals();
}
