#include "rte2int/rte2int.h"

#include "core/rteprocs.h"

const char kIntermediateFileName[] = "linewright.tmp";

int Route2Intermediate(const char* routePath, platform::ProgressSink* progress) {
  (void)routePath;
  (void)progress;
  log("Route2Intermediate: route reading is not built yet");
  return 0;
}
