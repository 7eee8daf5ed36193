#pragma once
// The orders in which the generators visit the dictionary's words.

#include <cstdint>

#include "dictionary/dictionary.h"

namespace sillabor {

class RandomSource;
struct TrovaParams;

class WordScan {
public:
    // Every slot once: from `start`, stepping by `step` (coprime with
    // wordCount) modulo wordCount; slot 0 is skipped.
    static WordScan Scrambled(int32_t wordCount, int32_t start, int32_t step) { return {wordCount, start, step}; }
    // Slots 1 .. wordCount-1 in array order.
    static WordScan Sequential(int32_t wordCount) { return {wordCount, 0, 1}; }
    // The scan of the generators that take letters: scrambled when any letter
    // qualifies, so that a capped list samples the whole dictionary;
    // sequential when letters are given, so that the list is alphabetical.
    static WordScan ForLetterGame(int32_t wordCount, const TrovaParams& params);

    // Asks the memory for the word the scan reaches a few words later: a scan of
    // the whole dictionary then seldom waits for the word it reads.
    void PrefetchAhead(const Dictionary& dict) const {
        constexpr int64_t kAhead = 8;
        if (visited_ + kAhead >= wordCount_) return;
        __builtin_prefetch(dict.Words[(index_ + step_ * kAhead) % wordCount_]);
    }

    // The next slot, or 0 once every word has been visited.
    int32_t Next() {
        while (visited_ < wordCount_) {
            const int32_t slot = index_;
            index_ = static_cast<int32_t>((static_cast<int64_t>(index_) + step_) % wordCount_);
            ++visited_;
            if (slot != 0) return slot;
        }
        return 0;
    }

private:
    WordScan(int32_t wordCount, int32_t start, int32_t step) : wordCount_(wordCount), index_(start), step_(step) {}

    int32_t wordCount_;
    int32_t index_;
    int32_t step_;
    int32_t visited_ = 0;
};

// A word drawn at random, 1 .. wordCount-1 (the same word may come up again);
// 0 when the dictionary has no word.
int32_t RandomPick(RandomSource& random, int32_t wordCount);

}  // namespace sillabor
