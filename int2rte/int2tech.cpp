#include "int2rte/int2tech.h"

#include "core/rteprocs.h"

const char kChartFileName[] = "chart.html";

int Intermediate2Tech(platform::ProgressSink* progress) {
  (void)progress;
  log("Intermediate2Tech: the technical diagram is not built yet");
  return 0;
}
