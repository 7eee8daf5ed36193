#include "curio/same_consonants_report.h"

#include <array>

#include "curio/word_groups.h"

namespace sillabor {

namespace {

constexpr uint8_t kVowelCode = 27;

// Two words of one skeleton: whether every vowel differs.
bool AllVowelsDiffer(const char* a, const char* b) {
    for (; *a; ++a, ++b)
        if (*a == *b && VowelTable.IsVowel(*a)) return false;
    return true;
}

// A word's vowels in order, three bits each (1..6 for a, e, i, o, u, y), when
// it has at most ten; else -1. Two words of one skeleton compare by these
// without reading the other word.
constexpr int kPackedVowels = 10;
constexpr uint32_t kVowelFieldLows = 0x9249249;  // the lowest bit of each of the ten fields

constexpr std::array<uint8_t, 26> kVowelCodes = [] {
    std::array<uint8_t, 26> codes{};
    uint8_t code = 0;
    for (const char vowel : {'a', 'e', 'i', 'o', 'u', 'y'}) codes[static_cast<size_t>(vowel - 'a')] = ++code;
    return codes;
}();

int32_t PackedVowels(const char* word) {
    uint32_t packed = 0;
    int vowels = 0;
    for (; *word; ++word) {
        if (!VowelTable.IsVowel(*word)) continue;
        if (++vowels > kPackedVowels) return -1;
        packed = packed << 3 | kVowelCodes[LetterIndex(*word)];
    }
    return static_cast<int32_t>(packed);
}

// The fields that are not 0, as their lowest bits.
uint32_t UsedFields(uint32_t packed) { return (packed | packed >> 1 | packed >> 2) & kVowelFieldLows; }

bool AllVowelsDiffer(int32_t a, int32_t b) {
    const auto x = static_cast<uint32_t>(a);
    return UsedFields(x ^ static_cast<uint32_t>(b)) == UsedFields(x);
}

}  // namespace

void SameConsonantsReport(CurioRun& run) {
    run.out.PrintLine("Coppie di parole che hanno le stesse consonanti e vocali");
    run.PrintTitle("tutte diverse (posizione per posizione).");

    // Words without vowels have no partner: only those with some are grouped.
    SlotGroups groups;
    const bool grouped = GroupWords(run, groups, [](const char* word, uint8_t* codes) {
        int length = 0;
        bool vowels = false;
        for (; word[length]; ++length) {
            const bool vowel = VowelTable.IsVowel(word[length]);
            vowels |= vowel;
            codes[length] = vowel ? kVowelCode : static_cast<uint8_t>(word[length] - 'a' + 1);
        }
        return vowels ? length : -1;
    }, PackedVowels);
    if (!grouped) return;

    const int32_t scale = run.dict.WordCount + 1;
    for (int32_t i = 1; i < run.dict.WordCount; ++i) {
        if (!run.VisitWord(i)) return;
        int32_t count = 0;
        const KeyedItem* before = groups.Before(i, count);
        if (count == 0) continue;
        // The word's own item follows those before it.
        const int32_t vowels = before[count].tag;
        const char* word = run.Word(i);
        int32_t length = -1;  // read only for a pair found
        for (int32_t k = 0; k < count; ++k) {
            const int32_t j = before[k].slot;
            const bool differ = vowels >= 0 && before[k].tag >= 0 ? AllVowelsDiffer(vowels, before[k].tag)
                                                                   : AllVowelsDiffer(word, run.Word(j));
            if (!differ) continue;
            if (length < 0) length = WordLength(word);
            run.top.TopInsert(i, length * scale + j);
        }
    }
    for (int k = 0; k < run.top.TopCount; ++k) {
        const TopEntry& entry = run.top.entries[k];
        run.PrintFormatted("[%2d] %s <> %s", entry.score / scale, run.Word(entry.item), run.Word(entry.score % scale));
    }
}

}  // namespace sillabor
