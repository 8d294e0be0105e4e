#ifndef LINEWRIGHT_RTE2INT_CLEANINT_H
#define LINEWRIGHT_RTE2INT_CLEANINT_H

#include "core/BufFile.h"
#include "platform/progress.h"

// Puts a freshly written intermediate file in order. A first pass collects
// where counted signals, timed stations and side-track meetings stand; the
// paths back to the main track are searched between the passes; the second
// pass writes a new file: section lines only where the section changes, no
// repeated distance, comment or developer-id lines, and the clean-up's own
// lines (index -2) for signal spacing, alternative paths and station timing.
//
// On success `file` is deleted and replaced by the new (growable) buffer.
// False, with `file` unchanged, when a working buffer cannot be made.
bool CleanIntFile(BufferedFile*& file, platform::ProgressSink* progress);

#endif
