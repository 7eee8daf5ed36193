#pragma once
// The workbench's pseudo-random source: seeded from the clock at start, reseeded
// before every search, or seeded by the user so a random search can be replayed.

#include <cstdint>
#include <random>

namespace sillabor {

class RandomSource {
public:
    static constexpr int32_t kMax = 0x7FFFFFFF;

    RandomSource() { Seed(1); }

    void Seed(uint32_t seed) { engine_.seed(seed); }
    // A value in 0..kMax.
    int32_t Next() { return static_cast<int32_t>(engine_() >> 1); }
    // A value in 0..n-1, for n >= 1.
    int32_t Below(int32_t n) { return n <= 1 ? 0 : Next() % n; }

    // Seeds with the clock's seconds and keeps the first value as RandomSeed.
    void SeedFromClock();
    // Seeds with `seed` and keeps the first value as RandomSeed.
    void SeedFrom(uint32_t seed);
    // Seeds the generator with RandomSeed and stores its next value back.
    void ReseedRandom();

    uint32_t RandomSeed = 0;

private:
    std::mt19937 engine_;
};

}  // namespace sillabor
