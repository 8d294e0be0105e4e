#include "platform/random.h"

#include <ctime>

namespace platform {

namespace {
std::uint32_t state = 1;
}

void SeedRandom(std::uint32_t seed) { state = seed; }

void SeedRandomFromClock() { SeedRandom(static_cast<std::uint32_t>(std::time(nullptr))); }

int Random() {
  state = state * 214013u + 2531011u;
  return static_cast<int>((state >> 16) & 0x7FFF);
}

}  // namespace platform
