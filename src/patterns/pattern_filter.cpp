#include "patterns/pattern_filter.h"

#include <cstring>

#include "patterns/pattern_matcher.h"

namespace sillabor {

namespace {

// A pattern's outcome for the word, as its mode asks.
bool PatternOutcome(CompiledPattern& pattern, PatternMode mode, const char* word, const Dictionary& dict,
                    bool& matched) {
    matched = MatchPattern(pattern, word, dict) != 0;
    return mode == kMustNotSatisfy ? !matched : matched;
}

}  // namespace

bool WordPassesFilter(PatternFilter& filter, const char* word, const Dictionary& dict) {
    filter.firstMatched = filter.secondMatched = false;
    const int32_t length = static_cast<int32_t>(std::strlen(word));
    if (length < filter.MinLen || length > filter.MaxLen) return false;

    if (filter.OnlyLetters) {
        LetterCount letters;
        ComputeLetterCount(word, letters);
        if (!LetterCountFits(letters, filter.AvailableLetters)) return false;
    }

    for (int k = 0; k < filter.ObligatoryCount; ++k)
        if (std::strstr(word, filter.Groups[k]) == nullptr) return false;
    for (int k = filter.ObligatoryCount; k < filter.ObligatoryCount + filter.ForbiddenCount; ++k)
        if (std::strstr(word, filter.Groups[k]) != nullptr) return false;

    const bool firstIgnored = filter.FirstMode == kPatternIgnored;
    const bool secondIgnored = filter.SecondMode == kPatternIgnored;
    if (firstIgnored && secondIgnored) return true;
    if (secondIgnored) return PatternOutcome(filter.FirstPattern, filter.FirstMode, word, dict, filter.firstMatched);
    if (firstIgnored)
        return PatternOutcome(filter.SecondPattern, filter.SecondMode, word, dict, filter.secondMatched);

    bool first = PatternOutcome(filter.FirstPattern, filter.FirstMode, word, dict, filter.firstMatched);
    if (filter.OrMode && first) return true;
    if (!filter.OrMode && !first) return false;
    return PatternOutcome(filter.SecondPattern, filter.SecondMode, word, dict, filter.secondMatched);
}

}  // namespace sillabor
