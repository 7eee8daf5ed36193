#pragma once
// The "Parole" page's word filters: lengths, a letter budget, required and
// forbidden letter groups and two patterns joined by "e" or "o". The phrase
// anagram engine applies the same filters to the words of its anagrams.

#include <cstdint>

#include "dictionary/dictionary.h"
#include "dictionary/letter_count.h"
#include "patterns/pattern_compiler.h"

namespace sillabor {

inline constexpr int kGroupSlots = 20;
inline constexpr int kMaxGroupsPerField = 9;
inline constexpr int kMaxGroupLetters = 9;
inline constexpr int kMaxAvailableTotal = 42;
inline constexpr int kMaxAvailablePerLetter = 15;

enum PatternMode : uint8_t {
    kMustSatisfy = 0,
    kMustNotSatisfy = 1,
    kPatternIgnored = 2,
};

struct PatternFilter {
    int32_t MinLen = 0;
    int32_t MaxLen = kLengthSlots;
    PatternMode FirstMode = kMustSatisfy;
    PatternMode SecondMode = kPatternIgnored;
    bool OrMode = false;
    int32_t ObligatoryCount = 0;
    int32_t ForbiddenCount = 0;
    bool OnlyLetters = false;
    LetterCount AvailableLetters{};
    // The obligatory groups from slot 0, then the forbidden ones.
    char Groups[kGroupSlots][kMaxGroupLetters + 1] = {};
    CompiledPattern FirstPattern;
    CompiledPattern SecondPattern;
    // Whether each pattern was tried on the last word and matched it, so that
    // its derived word belongs to that word.
    bool firstMatched = false;
    bool secondMatched = false;
};

// The per-word test, stopping at the first rejection.
bool WordPassesFilter(PatternFilter& filter, const char* word, const Dictionary& dict);

}  // namespace sillabor
