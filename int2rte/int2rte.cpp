#include "int2rte/int2rte.h"

#include "core/rteprocs.h"

bool Intermediate2Route(platform::ProgressSink* progress) {
  (void)progress;
  log("Intermediate2Route: the route writer is not built yet");
  return false;
}
