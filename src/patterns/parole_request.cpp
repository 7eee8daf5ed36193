#include "patterns/parole_request.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "base/output.h"

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

// Keeps the pattern compiler's message lines for the refusal.
class MessageLines : public LineSink {
public:
    void WriteLine(std::string_view line) override { lines.emplace_back(line); }
    std::vector<std::string> lines;
};

// Compiles one pattern; false, with the compiler's lines and `closing` after
// them, when it does not compile.
bool CompileOne(CompiledPattern& pattern, const std::string& text, const char* closing,
                std::vector<std::string>& refusal) {
    MessageLines messages;
    Output out;
    out.SetSink(&messages);
    if (CompilePattern(pattern, text, out) >= 0) return true;
    refusal = std::move(messages.lines);
    refusal.emplace_back(closing);
    return false;
}

}  // namespace

std::optional<int32_t> ParseLengthField(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    if (i == text.size()) return std::nullopt;
    int64_t value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
        value = value * 10 + (text[i] - '0');
        if (value > INT32_MAX) return std::nullopt;
    }
    return static_cast<int32_t>(negative ? -value : value);
}

ParoleRequest NormaliseParoleFields(ParoleRequest request) {
    if (request.onlyLetters) {
        request.letters = NormalizeWord(request.letters, true, "123456789");
        // The check stops at these letters before it reads the other fields.
        LetterCount unused;
        if (!ReadAvailableLetters(request.letters, unused)) return request;
    }
    request.firstPattern = NormalizeWord(request.firstPattern, false, kPatternCharacters);
    request.secondPattern = NormalizeWord(request.secondPattern, false, kPatternCharacters);
    request.requiredGroups = NormalizeWord(request.requiredGroups, true, " ");
    request.forbiddenGroups = NormalizeWord(request.forbiddenGroups, true, " ");
    return request;
}

std::vector<std::string> CompileWordFilter(const ParoleRequest& typed, PatternFilter& filter) {
    const ParoleRequest request = NormaliseParoleFields(typed);
    filter = PatternFilter{};
    filter.OnlyLetters = request.onlyLetters;
    if (filter.OnlyLetters && !ReadAvailableLetters(request.letters, filter.AvailableLetters))
        return {"Errore in <Usa solo lettere>", ""};

    filter.OrMode = request.eitherPattern;
    filter.FirstMode = request.firstMode;
    filter.SecondMode = request.secondMode;

    if (!ReadGroups(request.requiredGroups, filter, 0, filter.ObligatoryCount) ||
        !ReadGroups(request.forbiddenGroups, filter, filter.ObligatoryCount, filter.ForbiddenCount))
        return {"I gruppi devono essere max 9 di max 9 lettere"};

    filter.MinLen = request.minLength.value_or(0);
    filter.MaxLen = request.maxLength.value_or(kLengthSlots);
    if (filter.MinLen > filter.MaxLen)
        return {"ERRORE: la lunghezza minima non puo' essere maggiore della", "        lunghezza massima !"};

    std::vector<std::string> refusal;
    if (filter.FirstMode != kPatternIgnored &&
        !CompileOne(filter.FirstPattern, request.firstPattern, "ERRORE nel primo pattern", refusal))
        return refusal;
    if (filter.SecondMode != kPatternIgnored &&
        !CompileOne(filter.SecondPattern, request.secondPattern, "ERRORE nel secondo pattern", refusal))
        return refusal;
    return {};
}

}  // namespace sillabor
