#pragma once
// The orders in which the generators visit the dictionary's words.

#include <cstdint>

#include "dictionary/dictionary.h"

namespace sillabor {

class RandomSource;
struct TrovaParams;

#if defined(__wasm__)
// Where PrefetchAhead's reads go, so that the compiler keeps them.
inline volatile unsigned gWordScanTouch = 0;
#endif

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
    void PrefetchAhead(const Dictionary& dict) {
        if (visited_ + kAhead >= wordCount_) return;
#if defined(__wasm__)
        // WebAssembly has no prefetch: once every kAhead words, the first bytes
        // of the next kAhead are read together, in one short loop with no
        // branch on what it reads, so that their cache misses overlap.
        if (visited_ < nextTouch_) return;
        nextTouch_ = visited_ + kAhead;
        unsigned sum = 0;
        for (int32_t k = 0, at = ahead_; k < kAhead; ++k, at = Step(at))
            sum += static_cast<unsigned char>(*dict.Words[at]);
        gWordScanTouch = sum;
#else
        __builtin_prefetch(dict.Words[ahead_]);
#endif
    }

    // The next slot, or 0 once every word has been visited.
    int32_t Next() {
        while (visited_ < wordCount_) {
            const int32_t slot = index_;
            index_ = Step(index_);
            ahead_ = Step(ahead_);
            ++visited_;
            if (slot != 0) return slot;
        }
        return 0;
    }

private:
    static constexpr int32_t kAhead = 8;

    // Start and step are taken modulo the word count once, so that a step is
    // an addition and at most one subtraction (a division per word is a
    // good part of a scan's time).
    WordScan(int32_t wordCount, int32_t start, int32_t step)
        : wordCount_(wordCount),
          index_(wordCount > 0 ? start % wordCount : 0),
          step_(wordCount > 0 ? step % wordCount : 0),
          ahead_(wordCount > 0 ? static_cast<int32_t>((int64_t{index_} + int64_t{step_} * kAhead) % wordCount) : 0) {}

    int32_t Step(int32_t at) const {
        at += step_;
        return at >= wordCount_ ? at - wordCount_ : at;
    }

    int32_t wordCount_;
    int32_t index_;
    int32_t step_;
    int32_t ahead_;
    int32_t visited_ = 0;
#if defined(__wasm__)
    int32_t nextTouch_ = 0;
#endif
};

// A word drawn at random, 1 .. wordCount-1 (the same word may come up again);
// 0 when the dictionary has no word.
int32_t RandomPick(RandomSource& random, int32_t wordCount);

}  // namespace sillabor
