#ifndef LINEWRIGHT_INT2RTE_INT2TECH_H
#define LINEWRIGHT_INT2RTE_INT2TECH_H

#include "platform/progress.h"

// The technical diagram the chart run writes into the working folder.
extern const char kChartFileName[];

// Reads the intermediate file and writes "chart.html". Returns 1 when it
// was written, 0 otherwise.
int Intermediate2Tech(platform::ProgressSink* progress);

#endif
