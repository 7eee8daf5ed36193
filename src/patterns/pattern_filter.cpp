#include "patterns/pattern_filter.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "base/output.h"
#include "dictionary/dictionary.h"
#include "patterns/pattern_matcher.h"

namespace sillabor {

namespace {

constexpr const char* kPatternCharacters = ",@#| *.-?+()[]0123456789";

// The letters of "Usa solo lettere": a letter counts one, "3a" counts three a.
bool ReadAvailableLetters(const std::string& text, LetterCount& letters) {
    int counts[26] = {};
    int total = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        int times = 1;
        if (c >= '1' && c <= '9') {
            times = c - '0';
            if (i + 1 >= text.size() || text[i + 1] < 'a' || text[i + 1] > 'z') return false;
            c = text[++i];
        }
        // Only letters and the digits 1 to 9 are left after normalising.
        if (c < 'a' || c > 'z') continue;
        counts[c - 'a'] += times;
        total += times;
    }
    letters.total = static_cast<int16_t>(std::min(total, kMaxAvailableTotal));
    for (int k = 0; k < 26; ++k) letters.counts[k] = static_cast<uint8_t>(std::min(counts[k], kMaxAvailablePerLetter));
    return true;
}

uint8_t ModeOf(const std::string& caption) {
    if (caption.empty()) return kPatternIgnored;
    if (caption[0] == 's') return kMustSatisfy;
    if (caption[0] == 'n') return kMustNotSatisfy;
    return kPatternIgnored;
}

// Splits a field at spaces into the slots from `first`; false when it has too
// many groups or too long a group.
bool ReadGroups(const std::string& text, PatternFilter& filter, int first, int32_t& count) {
    count = 0;
    size_t i = 0;
    while (i < text.size()) {
        if (text[i] == ' ') {
            ++i;
            continue;
        }
        size_t end = text.find(' ', i);
        if (end == std::string::npos) end = text.size();
        size_t length = end - i;
        if (count == kMaxGroupsPerField || length > static_cast<size_t>(kMaxGroupLetters)) return false;
        char* slot = filter.Groups[first + count];
        std::memcpy(slot, text.data() + i, length);
        slot[length] = '\0';
        ++count;
        i = end;
    }
    return true;
}

// The integer a length field holds, or `fallback` when it holds no number.
int32_t LengthField(const std::string& text, int32_t fallback) {
    size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    if (i == text.size()) return fallback;
    int64_t value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return fallback;
        value = value * 10 + (text[i] - '0');
        if (value > INT32_MAX) return fallback;
    }
    return static_cast<int32_t>(negative ? -value : value);
}

// A pattern's outcome for the word, as its mode asks.
bool PatternOutcome(CompiledPattern& pattern, uint8_t mode, const char* word, const Dictionary& dict,
                    bool& matched) {
    matched = MatchPattern(pattern, word, dict) != 0;
    return mode == kMustNotSatisfy ? !matched : matched;
}

}  // namespace

bool SetupPatternFilter(PatternFilter& filter, ParoleControls& page, Output& out) {
    filter.firstMatched = filter.secondMatched = false;
    filter.OnlyLetters = page.SoloBx;
    ClearLetterCount(filter.AvailableLetters);
    if (filter.OnlyLetters) {
        page.SoloEd = NormalizeWord(page.SoloEd, true, "123456789");
        if (!ReadAvailableLetters(page.SoloEd, filter.AvailableLetters)) {
            out.PrintLine("Errore in <Usa solo lettere>");
            out.PrintLine("");
            return false;
        }
    }

    page.Pattern = NormalizeWord(page.Pattern, false, kPatternCharacters);
    page.Pattern2 = NormalizeWord(page.Pattern2, false, kPatternCharacters);
    page.EdObbligati = NormalizeWord(page.EdObbligati, true, " ");
    page.EdProibiti = NormalizeWord(page.EdProibiti, true, " ");

    filter.OrMode = page.EOBott.empty() || page.EOBott[0] != 'e';
    filter.FirstMode = ModeOf(page.BuSodd1);
    filter.SecondMode = ModeOf(page.BuSodd2);

    std::memset(filter.Groups, 0, sizeof filter.Groups);
    if (!ReadGroups(page.EdObbligati, filter, 0, filter.ObligatoryCount) ||
        !ReadGroups(page.EdProibiti, filter, filter.ObligatoryCount, filter.ForbiddenCount)) {
        out.PrintLine("I gruppi devono essere max 9 di max 9 lettere");
        return false;
    }

    filter.MinLen = LengthField(page.EdMiLun, 0);
    filter.MaxLen = LengthField(page.EdMxLun, 41);
    if (filter.MinLen > filter.MaxLen) {
        out.PrintLine("ERRORE: la lunghezza minima non puo' essere maggiore della");
        out.PrintLine("        lunghezza massima !");
        return false;
    }

    if (filter.FirstMode != kPatternIgnored && CompilePattern(filter.FirstPattern, page.Pattern, out) < 0) {
        out.PrintLine("ERRORE nel primo pattern");
        return false;
    }
    if (filter.SecondMode != kPatternIgnored && CompilePattern(filter.SecondPattern, page.Pattern2, out) < 0) {
        out.PrintLine("ERRORE nel secondo pattern");
        return false;
    }
    return true;
}

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
