#ifndef LINEWRIGHT_RTE2INT_COMPILEDPATTERN_H
#define LINEWRIGHT_RTE2INT_COMPILEDPATTERN_H

#include "rte2int/patternwalk.h"

// The command tables' patterns prepared once for the recognizer: each
// pattern character becomes a step that knows its character class, and the
// placeholders collect whole runs of ordinary characters at once. Matching
// gives exactly WalkPattern's result, parameters and position; only the
// work per character is smaller.

// The first entry of first..last of csvcom (csv true) or rwcom whose
// pattern matches at input position `start`, or kCmdNone (-3): what
// walking each pattern of the range in index order with WalkPattern gives,
// with the same parameters and the input left at the same place on a
// match. Patterns that cannot match at the first few characters are
// passed over without a walk.
int RecognizeCompiled(bool csv, PatternInput& in, int start, char* params, int first, int last);

#endif
