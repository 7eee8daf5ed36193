#include "curio/t9_reports.h"

#include <algorithm>
#include <array>
#include <bit>

#include "curio/word_groups.h"

namespace sillabor {

namespace {

constexpr int8_t kKeys[26] = {0, 0, 0, 1, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4, 4, 5, 5, 5, 5, 6, 6, 6, 7, 7, 7, 7};
constexpr int32_t kMaxEquivalents = 30;
constexpr int kMinLength = 3;

// Which letter of its key each letter is (0..3).
constexpr std::array<uint8_t, 26> kChoices = [] {
    std::array<uint8_t, 26> choices{};
    for (int c = 1; c < 26; ++c)
        choices[static_cast<size_t>(c)] = kKeys[c] == kKeys[c - 1] ? static_cast<uint8_t>(choices[static_cast<size_t>(c) - 1] + 1) : 0;
    return choices;
}();
constexpr int kPackedChoices = 15;
constexpr uint32_t kChoiceFieldLows = 0x15555555;  // the lower bit of each of the fifteen fields

// A word's letters as choices on their keys, two bits each, for at most
// fifteen letters; else -1. Two words of one group compare by these without
// reading the other word.
int32_t PackedChoices(const char* word) {
    uint32_t packed = 0;
    int length = 0;
    for (; word[length]; ++length) {
        if (length == kPackedChoices) return -1;
        packed = packed << 2 | kChoices[static_cast<size_t>(LetterIndex(word[length]))];
    }
    return static_cast<int32_t>(packed);
}

// The words of three letters or more grouped by their keys. The equivalents of
// a word are the words of its group before it in the array, at most 30.
bool GroupByKeys(CurioRun& run, SlotGroups& groups) {
    return GroupWords(
        run, groups,
        [](const char* word, uint8_t* codes) {
            int length = 0;
            for (; word[length]; ++length) codes[length] = static_cast<uint8_t>(T9Key(word[length]) + 1);
            return length >= kMinLength ? length : -1;
        },
        PackedChoices);
}

const KeyedItem* Equivalents(const SlotGroups& groups, int32_t slot, int32_t& count) {
    const KeyedItem* first = groups.Before(slot, count);
    count = std::min(count, kMaxEquivalents);
    return first;
}

int DifferentPositions(const char* a, const char* b) {
    int different = 0;
    for (; *a; ++a, ++b) different += *a != *b;
    return different;
}

// The share of different letters first, then the length, then the later
// equivalent; 0 for a pair that differs in one letter only.
int32_t T9Score(int different, int length, int k) {
    if (different < 2) return 0;
    return different * 10000 / length * 10000 + length * 100 + k;
}

}  // namespace

int T9Key(char letter) { return kKeys[LetterIndex(letter)]; }

void T9EquivalentsReport(CurioRun& run) {
    run.PrintTitle("Parole con equivalente T9 con (molte) lettere diverse");
    SlotGroups groups;
    if (!GroupByKeys(run, groups)) return;
    for (int32_t i = 1; i < run.dict.WordCount; ++i) {
        if (!run.VisitWord(i)) return;
        int32_t count = 0;
        const KeyedItem* equivalents = Equivalents(groups, i, count);
        if (count == 0) continue;
        const char* word = run.Word(i);
        const int length = WordLength(word);
        // The word's own item follows its group's earlier words.
        int32_t before = 0;
        const int32_t choices = groups.Before(i, before)[before].tag;
        for (int k = 0; k < count; ++k) {
            const int32_t other = equivalents[k].tag;
            const int different =
                choices >= 0 && other >= 0
                    ? std::popcount((static_cast<uint32_t>(choices ^ other) | static_cast<uint32_t>(choices ^ other) >> 1) &
                                    kChoiceFieldLows)
                    : DifferentPositions(word, run.Word(equivalents[k].slot));
            const int32_t score = T9Score(different, length, k);
            if (score != 0) run.top.TopInsert(i, score);
        }
    }
    for (int t = 0; t < run.top.TopCount; ++t) {
        const TopEntry& entry = run.top.entries[t];
        int32_t count = 0;
        const KeyedItem* equivalents = Equivalents(groups, entry.item, count);
        const char* word = run.Word(entry.item);
        const char* other = run.Word(equivalents[entry.score % 100].slot);
        run.PrintFormatted("[%d / %d] %s = %s", DifferentPositions(word, other), WordLength(word), word, other);
    }
}

void T9MultiplesReport(CurioRun& run) {
    run.PrintTitle("Parole con piu' equivalenti nel T9");
    SlotGroups groups;
    if (!GroupByKeys(run, groups)) return;
    for (int32_t i = 1; i < run.dict.WordCount; ++i) {
        if (!run.VisitWord(i)) return;
        int32_t count = 0;
        Equivalents(groups, i, count);
        if (count > 0) run.top.TopInsert(i, count);
    }
    for (int t = 0; t < run.top.TopCount; ++t) {
        const TopEntry& entry = run.top.entries[t];
        int32_t count = 0;
        const KeyedItem* equivalents = Equivalents(groups, entry.item, count);
        char number[16];
        std::snprintf(number, sizeof number, "%2d ", entry.score + 1);
        std::string line = number;
        line += run.Word(entry.item);
        for (int k = 0; k < count; ++k) (line += ' ') += run.Word(equivalents[k].slot);
        run.out.PrintLine(line);
    }
}

}  // namespace sillabor
