#include "curio/rotation_reports.h"

#include "curio/word_groups.h"

namespace sillabor {

namespace {

// An alphabet the letters move along: its letters in order, the place of each
// a..z in it (-1 for a letter outside it), and the shifts the report tries.
struct Alphabet {
    const char* letters;
    int size;
    int8_t place[26];
    int maxShift;
    // A number that keeps each score's last two digits, base - shift, in 0..99.
    int scoreBase;

    constexpr Alphabet(const char* inOrder, int count, int shifts, int base)
        : letters(inOrder), size(count), place(), maxShift(shifts), scoreBase(base) {
        for (int8_t& p : place) p = -1;
        for (int k = 0; k < count; ++k) place[inOrder[k] - 'a'] = static_cast<int8_t>(k);
    }
    // Half the alphabet round: the shift and its way back are the same pair.
    bool IsHalfway(int shift) const { return 2 * shift == size; }
};

constexpr Alphabet kLatin("abcdefghijklmnopqrstuvwxyz", 26, 13, 44);
constexpr Alphabet kItalian("abcdefghilmnopqrstuvz", 21, 11, 30);

void Rotate(const Alphabet& alphabet, const char* word, int length, int shift, char* out) {
    for (int k = 0; k < length; ++k)
        out[k] = alphabet.letters[(alphabet.place[LetterIndex(word[k])] + shift) % alphabet.size];
    out[length] = '\0';
}

// Words that rotate into each other have the same steps between consecutive
// letters, round the alphabet: the key. Words with letters outside it are left
// out. Each word keeps the place of its first letter, which gives the shift.
bool GroupBySteps(CurioRun& run, const Alphabet& alphabet, SlotGroups& groups) {
    return GroupWords(
        run, groups, [&alphabet](const char* word, uint8_t* codes) {
        int previous = alphabet.place[LetterIndex(word[0])];
        if (previous < 0) return -1;
        int n = 0;
        for (const char* c = word + 1; *c; ++c) {
            const int place = alphabet.place[LetterIndex(*c)];
            if (place < 0) return -1;
            // Both places are within the alphabet: no division needed.
            const int step = place - previous;
            codes[n++] = static_cast<uint8_t>((step < 0 ? step + alphabet.size : step) + 1);
            previous = place;
        }
        return n;
    }, [&alphabet](const char* word) { return static_cast<int32_t>(alphabet.place[LetterIndex(word[0])]); });
}

void RotationsReport(CurioRun& run, const Alphabet& alphabet) {
    SlotGroups groups;
    if (!GroupBySteps(run, alphabet, groups)) return;
    for (int32_t i = 1; i < run.dict.WordCount; ++i) {
        if (!run.VisitWord(i)) return;
        int32_t count = 0;
        const KeyedItem* group = groups.Group(i, count);
        if (count < 2) continue;
        const char* word = run.Word(i);
        // Each other word of the group is the word moved by one shift; the
        // shifts tried go in increasing order.
        bool shifted[32] = {};
        const int first = alphabet.place[LetterIndex(word[0])];
        for (int32_t k = 0; k < count; ++k) {
            const int32_t j = group[k].slot;
            const int shift = (group[k].tag - first + alphabet.size) % alphabet.size;
            if (shift >= 1 && shift <= alphabet.maxShift && (!alphabet.IsHalfway(shift) || j > i)) shifted[shift] = true;
        }
        const int length = WordLength(word);
        for (int shift = 1; shift <= alphabet.maxShift; ++shift)
            if (shifted[shift]) run.top.TopInsert(i, 100 * length + alphabet.scoreBase - shift);
    }
    char rotated[kMaxWordLength + 1];
    for (int k = 0; k < run.top.TopCount; ++k) {
        const TopEntry& entry = run.top.entries[k];
        const int shift = alphabet.scoreBase - entry.score % 100;
        const char* word = run.Word(entry.item);
        Rotate(alphabet, word, WordLength(word), shift, rotated);
        run.PrintFormatted("[%2d] %s -> %s", shift, word, rotated);
    }
}

}  // namespace

void Rotations26Report(CurioRun& run) {
    run.PrintTitle("Parole ruotabili sull'alfabeto di 26 lettere");
    RotationsReport(run, kLatin);
}

void Rotations21Report(CurioRun& run) {
    run.PrintTitle("Parole ruotabili sull'alfabeto di 21 lettere");
    RotationsReport(run, kItalian);
}

}  // namespace sillabor
