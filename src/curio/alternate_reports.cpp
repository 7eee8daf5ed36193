#include "curio/alternate_reports.h"

#include "curio/short_words.h"

namespace sillabor {

namespace {

constexpr int kMinLength = 4;

// The letters of the word at even (odd == false) or odd positions, into `out`.
void AlternateLetters(const char* word, int length, bool odd, char* out) {
    int n = 0;
    for (int k = odd ? 1 : 0; k < length; k += 2) out[n++] = word[k];
    out[n] = '\0';
}

// The halves are at most half as long as the longest word.
ShortWordSet HalfWords(const CurioRun& run) { return ShortWordSet(run.dict, (LongestWordLength(run.dict) + 1) / 2); }

}  // namespace

void AlternateIntarsiReport(CurioRun& run) {
    run.PrintTitle("Parole che sono intarsi alternati perfetti");
    char even[kMaxWordLength + 1];
    char odd[kMaxWordLength + 1];
    const ShortWordSet halves = HalfWords(run);
    for (int32_t i = 1; i < run.dict.WordCount; ++i) {
        if (!run.VisitWord(i)) return;
        const char* word = run.Word(i);
        const int length = WordLength(word);
        if (length < kMinLength) continue;
        AlternateLetters(word, length, false, even);
        if (!halves.Contains(even, (length + 1) / 2)) continue;
        AlternateLetters(word, length, true, odd);
        if (halves.Contains(odd, length / 2)) run.top.TopInsert(i, length);
    }
    for (int k = 0; k < run.top.TopCount; ++k) {
        const TopEntry& entry = run.top.entries[k];
        const char* word = run.Word(entry.item);
        AlternateLetters(word, entry.score, false, even);
        AlternateLetters(word, entry.score, true, odd);
        run.PrintFormatted("[%2d] %s -> %s + %s", entry.score, word, even, odd);
    }
}

void AlternateScartiReport(CurioRun& run) {
    run.PrintTitle("Parole con scarti alternati perfetti");
    char half[kMaxWordLength + 1];
    const ShortWordSet halves = HalfWords(run);
    for (int32_t i = 1; i < run.dict.WordCount; ++i) {
        if (!run.VisitWord(i)) return;
        const char* word = run.Word(i);
        const int length = WordLength(word);
        if (length < kMinLength) continue;
        // Even scores for the even letters, odd scores for the odd ones.
        for (int odd = 0; odd <= 1; ++odd) {
            AlternateLetters(word, length, odd != 0, half);
            const int halfLength = odd != 0 ? length / 2 : (length + 1) / 2;
            if (halves.Contains(half, halfLength)) run.top.TopInsert(i, 2 * halfLength + odd);
        }
    }
    for (int k = 0; k < run.top.TopCount; ++k) {
        const TopEntry& entry = run.top.entries[k];
        const char* word = run.Word(entry.item);
        AlternateLetters(word, WordLength(word), entry.score % 2 != 0, half);
        run.PrintFormatted("%s -> %s", word, half);
    }
}

}  // namespace sillabor
