#ifndef LINEWRIGHT_SCRPROCS_SCRPROCS_H
#define LINEWRIGHT_SCRPROCS_SCRPROCS_H

#include <string>

#include "core/BufFile.h"
#include "platform/progress.h"

// Expands includes (#include and the simulator's $Include), notes, macros
// and the $ functions of a route; replaces `route` by the result. False
// after a reported error. Passes repeat while a pass included a file or
// defined a macro. A $Include of a missing file is reported and dropped,
// the passes go on, and the result is false. Every route reading starts
// with an empty macro table.
bool PreProcessRoute(BufferedFile*& route, platform::ProgressSink* progress);
// The same; `cut` tells whether an error ended a pass early, so that the
// rest of the route was dropped.
bool PreProcessRoute(BufferedFile*& route, platform::ProgressSink* progress, bool* cut);

// How much preprocessing may grow a route beyond the size it was read
// with (16 MiB unless set). Includes or macros that multiply themselves
// stop there with an error. The fuzzers set a smaller bound, so that such
// inputs stay within their time limit under the sanitizers.
long long RouteGrowthLimit();
void SetRouteGrowthLimit(long long bytes);

// Runs the randomizer script of a script route; replaces `route` by the
// result. Empties the user tables first. False after a reported error.
bool ProcessSCR(BufferedFile*& route, platform::ProgressSink* progress);

// Runs the script of `in` (read from its start) into `out`, which it writes
// from its current position. The user tables are left as they are. False
// when an error stopped the run (`out` keeps what was written so far).
bool ProcessSCR_simple(BufferedFile* in, BufferedFile* out, platform::ProgressSink* progress);

// Reads the route at `routePath` and runs the script stages on it as a
// generation run would (preprocessing always, the script for script routes,
// by global.routetype), leaving the resulting route text in `text`. False
// when the file cannot be read or any error was reported.
bool ScriptRouteText(const char* routePath, std::string* text);

#endif
