#include "base/random_source.h"

#include <ctime>

namespace sillabor {

void RandomSource::SeedFromClock() { SeedFrom(static_cast<uint32_t>(std::time(nullptr))); }

void RandomSource::SeedFrom(uint32_t seed) {
    Seed(seed);
    RandomSeed = static_cast<uint32_t>(Next());
}

void RandomSource::ReseedRandom() {
    Seed(RandomSeed);
    RandomSeed = static_cast<uint32_t>(Next());
}

}  // namespace sillabor
