#include "curio/mirror_reports.h"

#include <algorithm>

namespace sillabor {

namespace {

bool IsPalindrome(const char* word, int length) {
    for (int a = 0, b = length - 1; a < b; ++a, --b)
        if (word[a] != word[b]) return false;
    return true;
}

// Whether the word's vowels (or its consonants), in order, read the same backwards.
bool LettersArePalindromic(const char* word, int length, bool vowels) {
    int a = 0;
    int b = length - 1;
    for (;;) {
        while (a < b && VowelTable.IsVowel(word[a]) != vowels) ++a;
        while (a < b && VowelTable.IsVowel(word[b]) != vowels) --b;
        if (a >= b) return true;
        if (word[a] != word[b]) return false;
        ++a;
        --b;
    }
}

}  // namespace

void PalindromesReport(CurioRun& run) {
    run.PrintTitle("Palindromi");
    for (int32_t i = 1; i < run.dict.WordCount; ++i) {
        if (!run.VisitWord(i)) return;
        const char* word = run.Word(i);
        if (IsPalindrome(word, WordLength(word))) run.out.PrintLine(word);
    }
}

void BifrontiReport(CurioRun& run) {
    run.PrintTitle("Bifronti");
    char reversed[kMaxWordLength + 1];
    for (int32_t i = 1; i < run.dict.WordCount; ++i) {
        if (!run.VisitWord(i)) return;
        const char* word = run.Word(i);
        const int length = WordLength(word);
        if (length < 2) continue;
        std::reverse_copy(word, word + length, reversed);
        reversed[length] = '\0';
        // A palindrome finds itself, which is not after itself.
        if (run.dict.FindWord(reversed) > i) run.PrintFormatted("%s <-> %s", word, reversed);
    }
}

void LetterPalindromesReport(CurioRun& run, bool vowels) {
    for (int32_t i = 1; i < run.dict.WordCount; ++i) {
        if (!run.VisitWord(i)) return;
        const char* word = run.Word(i);
        const int length = WordLength(word);
        if (LettersArePalindromic(word, length, vowels)) run.top.TopInsert(i, length);
    }
    PrintTopList(run, false, vowels ? "vocali palindrome" : "consonanti palindrome");
}

}  // namespace sillabor
