#include "cern/cernita.h"

#include <algorithm>
#include <array>
#include <bit>
#include <chrono>
#include <cstring>

#include "dictionary/letter_count.h"

namespace sillabor {

namespace {

// How many times each letter a..z occurs, accents folded and case lowered.
// Plain ints: a long text cannot wrap a count around.
std::array<int, 26> LetterTallies(std::string_view text) {
    std::array<int, 26> tallies{};
    for (char c : text) {
        const char letter = ToLowerAscii(FoldedAccent(c));
        if (letter >= 'a' && letter <= 'z') ++tallies[static_cast<size_t>(letter - 'a')];
    }
    return tallies;
}

static_assert(std::endian::native == std::endian::little, "the counts are read as little-endian words");

// The low bits of eight counts, gathered into one byte with the first count's
// bit highest: each count's bit lands in its own place of the product, so no
// carry mixes them.
inline uint32_t GatherParities(uint64_t eightCounts) {
    return static_cast<uint32_t>(((eightCounts & 0x0101010101010101ull) * 0x8040201008040201ull) >> 56);
}

// ParityMask of a class, eight letters at a time: bit 25 for a ... bit 0 for z.
inline uint32_t FastParityMask(const LetterCount& letters) {
    uint64_t block[4] = {};
    std::memcpy(block, letters.counts, sizeof letters.counts);
    return GatherParities(block[0]) << 18 | GatherParities(block[1]) << 10 | GatherParities(block[2]) << 2 |
           GatherParities(block[3]) >> 6;
}

}  // namespace

std::string SelectionOf(std::string_view text) {
    const std::array<int, 26> tallies = LetterTallies(text);
    std::array<bool, 26> written{};
    std::string selection;
    for (char c : text) {
        const char letter = ToLowerAscii(FoldedAccent(c));
        if (letter < 'a' || letter > 'z') continue;
        const auto i = static_cast<size_t>(letter - 'a');
        if ((tallies[i] & 1) == 0 || written[i]) continue;
        written[i] = true;
        selection.push_back(letter);
    }
    return selection;
}

uint32_t ParityMaskOf(std::string_view text) {
    // A count kept in a byte may wrap, but only by 256: its parity stays right.
    return ParityMask(AnagramClass{ComputeLetterCount(text), 0});
}

bool CernMasks::IsCurrent(const Dictionary& dict) const {
    return computed_ && generation_ == dict.Generation.load(std::memory_order_relaxed);
}

void CernMasks::Update(const Dictionary& dict) {
    if (IsCurrent(dict)) return;
    const auto count = static_cast<size_t>(dict.IsLoaded() ? dict.ClassCount : 0);
    masks_.resize(count);
    // Showing the page waits for this pass over every class.
    for (size_t i = 0; i < count; ++i) masks_[i] = FastParityMask(dict.Classes[i].letters);
    generation_ = dict.Generation.load(std::memory_order_relaxed);
    computed_ = true;
}

void PrintSelectionWords(const Dictionary& dict, Output& out, std::string_view selection) {
    std::string line;
    if (dict.IsLoaded()) {
        const int32_t found = dict.FindClass(ComputeLetterCount(selection));
        if (found >= 0)
            dict.ForEachWordOfClass(dict.Classes[static_cast<size_t>(found)], [&line](const char* word) {
                line += word;
                line += ' ';
            });
    }
    out.ClearOutput();
    out.PrintLine(line);
    out.RefreshOutput();
}

CompletionResult CompleteSelection(const Dictionary& dict, const CernMasks& masks, Output& out,
                                   SearchState& state, std::string_view base, std::string_view goal) {
    const auto started = std::chrono::steady_clock::now();
    CompletionResult result;
    state.FoundCount = 0;
    out.ClearOutput();
    for (int tally : LetterTallies(goal)) {
        if (tally > 1) {
            out.PrintLine(kDoubleGoalMessage);
            out.RefreshOutput();
            result.refused = true;
            return result;
        }
    }

    // Base and word together must leave exactly the goal's letters, each once.
    const uint32_t target = ParityMaskOf(goal) ^ ParityMaskOf(base);
    const std::vector<uint32_t>& parities = masks.Masks();
    const size_t classes = std::min(parities.size(), static_cast<size_t>(dict.IsLoaded() ? dict.ClassCount : 0));
    std::string line;
    line.reserve(2 * kCompletionLineMark);
    for (size_t i = 0; i < classes; ++i) {
        if (parities[i] != target) continue;
        const AnagramClass& cls = dict.Classes[i];
        const int words = cls.WordsInClass();
        if (words > 1) line += '[';
        int left = words;
        dict.ForEachWordOfClass(cls, [&](const char* word) {
            line += word;
            if (--left > 0) line += ' ';
        });
        line += words > 1 ? "] " : " ";
        result.found += words;
        if (line.size() > kCompletionLineMark) {
            out.PrintLine(line);
            line.clear();
        }
    }
    out.PrintLine(line);
    state.FoundCount = result.found;
    result.elapsedMs =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started).count();
    out.RefreshOutput();
    return result;
}

}  // namespace sillabor
