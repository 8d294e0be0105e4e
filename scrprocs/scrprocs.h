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

#include <string>

// Reads the route at `routePath` and runs the script stages on it as a
// generation run would (preprocessing always, the script for script routes,
// by global.routetype), leaving the resulting route text in `text`. False
// when the file cannot be read or a stage reported an error.
bool ScriptRouteText(const char* routePath, std::string* text);

#endif
