#include "scrprocs/scrprocs.h"

// The script stages are not built yet: the route text passes through
// unchanged, which is what a route without script directives needs.

bool PreProcessRoute(BufferedFile*& route, platform::ProgressSink* progress) {
  (void)route;
  (void)progress;
  return true;
}

bool ProcessSCR(BufferedFile*& route, platform::ProgressSink* progress) {
  (void)route;
  (void)progress;
  return true;
}
