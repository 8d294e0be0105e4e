#ifndef LINEWRIGHT_SCRPROCS_SCRPROCS_H
#define LINEWRIGHT_SCRPROCS_SCRPROCS_H

#include "core/BufFile.h"
#include "platform/progress.h"

// Expands includes, notes, macros and the $ functions of a route; replaces
// `route` by the result. False after a reported error.
bool PreProcessRoute(BufferedFile*& route, platform::ProgressSink* progress);

// Runs the randomizer script of a script route; replaces `route` by the
// result. False after a reported error.
bool ProcessSCR(BufferedFile*& route, platform::ProgressSink* progress);

#endif
