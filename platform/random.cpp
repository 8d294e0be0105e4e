#include "platform/random.h"

#include <chrono>

namespace platform {

namespace {
std::uint32_t state = 1;
}

void SeedRandom(std::uint32_t seed) { state = seed; }

std::uint32_t SeedRandomFromClock() {
  auto now = std::chrono::system_clock::now().time_since_epoch();
  auto us = static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::microseconds>(now).count());
  // Fold the high half in, so that the seconds still change the seed.
  std::uint32_t seed = static_cast<std::uint32_t>(us ^ (us >> 32));
  SeedRandom(seed);
  return seed;
}

int Random() {
  state = state * 214013u + 2531011u;
  return static_cast<int>((state >> 16) & 0x7FFF);
}

}  // namespace platform
