#include "curio/same_consonants_report.h"

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
    });
    if (!grouped) return;

    const int32_t scale = run.dict.WordCount + 1;
    for (int32_t i = 1; i < run.dict.WordCount; ++i) {
        if (!run.VisitWord(i)) return;
        int32_t count = 0;
        const KeyedItem* before = groups.Before(i, count);
        const char* word = run.Word(i);
        const int32_t length = WordLength(word);
        for (int32_t k = 0; k < count; ++k) {
            const int32_t j = before[k].slot;
            if (AllVowelsDiffer(word, run.Word(j))) run.top.TopInsert(i, length * scale + j);
        }
    }
    for (int k = 0; k < run.top.TopCount; ++k) {
        const TopEntry& entry = run.top.entries[k];
        run.PrintFormatted("[%2d] %s <> %s", entry.score / scale, run.Word(entry.item), run.Word(entry.score % scale));
    }
}

}  // namespace sillabor
