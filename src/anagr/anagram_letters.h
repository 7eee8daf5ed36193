#pragma once
// The letters a phrase-anagram search works with, laid out for the phrase.

#include <bit>
#include <cstdint>

#include "dictionary/letter_count.h"

namespace sillabor {

// Each letter the phrase holds gets a field just wide enough for its count
// and a guard bit above it. A short phrase always takes one word (at most 29
// letters need at most 55 bits), so the fit of a candidate is one subtraction;
// counts of up to 255 need at most four words.
template <int W>
struct Letters {
    uint64_t w[W];
};

struct LetterLayout {
    int words = 1;
    uint8_t word[26] = {};
    uint8_t shift[26] = {};
    uint64_t guard[4] = {};

    explicit LetterLayout(const LetterCount& all) {
        int k = 0, at = 0;
        for (int letter = 0; letter < 26; ++letter) {
            const unsigned count = all.counts[letter];
            if (count == 0) continue;
            const int bits = static_cast<int>(std::bit_width(count)) + 1;
            if (at + bits > 64) {
                ++k;
                at = 0;
            }
            word[letter] = static_cast<uint8_t>(k);
            shift[letter] = static_cast<uint8_t>(at);
            guard[k] |= uint64_t{1} << (at + bits - 1);
            at += bits;
        }
        words = k + 1;
    }

    // Only for letters that fit the ones the layout was made for.
    template <int W>
    Letters<W> Pack(const LetterCount& lc) const {
        Letters<W> p{};
        for (int letter = 0; letter < 26; ++letter)
            if (lc.counts[letter] != 0) p.w[word[letter]] += uint64_t{lc.counts[letter]} << shift[letter];
        return p;
    }
};

template <int W>
inline bool Fits(const Letters<W>& part, const Letters<W>& whole, const Letters<W>& guard) {
    for (int k = 0; k < W; ++k)
        if ((((whole.w[k] | guard.w[k]) - part.w[k]) & guard.w[k]) != guard.w[k]) return false;
    return true;
}

template <int W>
inline Letters<W> Minus(const Letters<W>& whole, const Letters<W>& part) {
    Letters<W> r;
    for (int k = 0; k < W; ++k) r.w[k] = whole.w[k] - part.w[k];
    return r;
}

template <int W>
inline bool SameLetters(const Letters<W>& a, const Letters<W>& b) {
    for (int k = 0; k < W; ++k)
        if (a.w[k] != b.w[k]) return false;
    return true;
}

template <int W>
inline uint64_t HashLetters(const Letters<W>& p) {
    uint64_t h = 0;
    for (int k = 0; k < W; ++k) h = (h ^ p.w[k]) * 0x9E3779B97F4A7C15ull + (h >> 29);
    return h ^ (h >> 32);
}

}  // namespace sillabor
