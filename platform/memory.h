#ifndef LINEWRIGHT_PLATFORM_MEMORY_H
#define LINEWRIGHT_PLATFORM_MEMORY_H

namespace platform {

// Asks the C library to take every large block (a stage's text buffers,
// the clean-up's tables) straight from the system and give it back when it
// is freed, so that one stage's buffers do not stay in the process while
// the next stage allocates its own. The GNU C library otherwise raises that
// threshold as large blocks come and go, and the buffers of a route of a
// few megabytes end up in a heap that keeps them. Elsewhere this does
// nothing: other libraries return large blocks of their own accord. Call
// once at start-up.
void ReturnLargeBlocksToTheSystem();

}  // namespace platform

#endif
