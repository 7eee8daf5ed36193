#pragma once
// The few examples the "tutti..." reports keep for each letter or pair of
// letters: the first five met in a scrambled walk over the dictionary.

#include <cstdint>
#include <vector>

#include "base/random_source.h"

namespace sillabor {

inline constexpr int kExamplesPerList = 5;

// A word with the one or two positions that show the game.
struct GameExample {
    int32_t rank;  // when the walk met the word
    const char* word;
    int8_t first;
    int8_t second;  // -1 when the game has one position
};

class ExampleList {
public:
    int Count() const { return count_; }
    bool Full() const { return count_ == kExamplesPerList; }
    const GameExample& operator[](int k) const { return examples_[k]; }

    // Keeps the five examples met first (by rank, then by position), whatever
    // the order in which they are offered.
    void Offer(const GameExample& example);
    // Whether Offer would keep an example of this rank and position: most are
    // turned away, and the caller then needs not fetch the word.
    bool Wants(int32_t rank, int8_t first) const {
        if (!Full()) return true;
        const GameExample& last = examples_[count_ - 1];
        return rank != last.rank ? rank < last.rank : first < last.first;
    }

private:
    int count_ = 0;
    GameExample examples_[kExamplesPerList];
};

// The place of each of n positions in a walk that starts at a random position
// and moves by a random step coprime with n, so that it meets each once;
// position 0 is skipped (and ranked -1) when skipZero is set.
std::vector<int32_t> ScrambledRanks(RandomSource& random, int32_t n, bool skipZero);

// The walk itself, for callers that visit in its order.
struct ScrambledWalk {
    int32_t start;
    int32_t step;
    ScrambledWalk(RandomSource& random, int32_t n);
};

}  // namespace sillabor
