#ifndef LINEWRIGHT_RTE2INT_RTE2INT_H
#define LINEWRIGHT_RTE2INT_RTE2INT_H

#include "core/BufFile.h"
#include "platform/progress.h"

// The intermediate file route reading writes into the working folder.
extern const char kIntermediateFileName[];

// Reads the route at `routePath` (syntax from global.routetype), runs the
// script stages on it, and writes the cleaned intermediate file. Returns 1
// when the file was written, 0 otherwise; every failure is reported
// through the message sink with the file and the reason ("Could not read
// the route:", "Could not write the intermediate file:"). Routes that are
// read but look damaged (empty, no track, cut short by a NUL or 0xFF
// byte, UTF-16, track positions out of range) get a warning as well.
int Route2Intermediate(const char* routePath, platform::ProgressSink* progress);

// The recognition step of route reading, after the script stages and
// before the clean-up: every route command of the text in `route` (syntax
// from global.routetype) as one intermediate line in `out`, in route order.
// May replace `route` (byte-order marks become blanks). False when its
// working buffer cannot be allocated.
bool RouteText2Intermediate(BufferedFile*& route, BufferedFile* out,
                            platform::ProgressSink* progress);

#endif
