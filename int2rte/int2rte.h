#ifndef LINEWRIGHT_INT2RTE_INT2RTE_H
#define LINEWRIGHT_INT2RTE_INT2RTE_H

#include "platform/progress.h"

// Reads the intermediate file and writes the playable route to
// global.outroutepath. False when nothing was written.
bool Intermediate2Route(platform::ProgressSink* progress);

#endif
