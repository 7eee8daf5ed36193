#pragma once
// What a search of the "Parole" page asks for, and the filter it compiles to.
// The anagram search applies the same filters to the words of its anagrams,
// from the same request.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "patterns/pattern_filter.h"

namespace sillabor {

struct ParoleRequest {
    // "Usa solo lettere": the letters a word may use, "3a" standing for three a.
    bool onlyLetters = false;
    std::string letters;
    // "Gruppi obbligati" and "Gruppi proibiti": letter groups separated by spaces.
    std::string requiredGroups;
    std::string forbiddenGroups;
    // The length range; empty when its field holds no number, which means 0
    // for the least length and kLengthSlots for the greatest.
    std::optional<int32_t> minLength = 0;
    std::optional<int32_t> maxLength = kLengthFieldTop;
    std::string firstPattern = "*";
    std::string secondPattern;
    PatternMode firstMode = kMustSatisfy;
    PatternMode secondMode = kPatternIgnored;
    // "o": a word passes with either pattern; "e": it needs both.
    bool eitherPattern = false;
};

// The number a length field holds: an optional sign after leading spaces,
// then digits only. Empty for anything else, or for a number past int32.
std::optional<int32_t> ParseLengthField(const std::string& text);

// The request with its texts as the filter reads them (accents folded, case
// lowered, stray characters dropped), which the page shows in its fields.
// The letters are folded only when they are used; when they do not read,
// the other texts stay as typed.
ParoleRequest NormaliseParoleFields(ParoleRequest request);

// Compiles the request into `filter`. Returns the page's message lines when
// it refuses the request (the first error only), or nothing.
std::vector<std::string> CompileWordFilter(const ParoleRequest& request, PatternFilter& filter);

}  // namespace sillabor
