#ifndef LINEWRIGHT_PLATFORM_RANDOM_H
#define LINEWRIGHT_PLATFORM_RANDOM_H

#include <cstdint>

namespace platform {

// The one random generator of the program: values 0..32767 from the
// classic 15-bit rule, so that one seed gives the same route everywhere.
constexpr int kRandomMax = 32767;

void SeedRandom(std::uint32_t seed);
// Seeds from the clock with microsecond resolution, so that two runs in
// one second differ, and returns the seed: SeedRandom with it repeats the
// run.
std::uint32_t SeedRandomFromClock();
int Random();

}  // namespace platform

#endif
