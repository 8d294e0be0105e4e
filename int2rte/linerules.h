#ifndef LINEWRIGHT_INT2RTE_LINERULES_H
#define LINEWRIGHT_INT2RTE_LINERULES_H

#include "core/Stack.h"
#include "int2rte/writerstate.h"

// How the route writer treats one intermediate line, by its command index:
// updates the writer state and rewrites `fields` (first field on top) for
// the written command. Returns whether the line is written. Sets
// `readAgain` when a block boundary was written in place of the line's
// distance, so the line has to be handled once more.
bool HandleLine(WriterState& state, int index, Stack* fields, bool* readAgain);

#endif
