#pragma once
// Letter signatures of words and the small character helpers shared by every game.
// Text inside the core is Windows-1252, one byte per character.

#include <cstdint>
#include <string>
#include <string_view>

#include "base/letter_case.h"

namespace sillabor {

// The letters of a word: how many in all, and how many of each of a..z.
struct LetterCount {
    int16_t total;
    uint8_t counts[26];
};
static_assert(sizeof(LetterCount) == 28);

void ClearLetterCount(LetterCount& lc);

// Counts the letters of a NUL-terminated word, folding accents and case; every
// other byte is ignored.
void ComputeLetterCount(const char* word, LetterCount& out);
LetterCount ComputeLetterCount(std::string_view word);

// -1, 0 or 1: totals first, then the counts of a..z in order.
int CompareLetterCounts(const LetterCount& a, const LetterCount& b);

// True when every count of `small` and its total are at most those of `big`.
bool LetterCountFits(const LetterCount& small, const LetterCount& big);

// Folds one Windows-1252 accented letter to its plain letter, in place.
void FoldAccent(char& c);
char FoldedAccent(char c);

bool IsAsciiLetter(char c);
void ToUpperLetters(char* s);
void ToUpperLetters(std::string& s);

// Folds accents, optionally lowers case, and keeps letters plus the bytes of `keep`.
// The destination may be the source. Returns the destination.
char* NormalizeWord(char* destination, const char* source, bool lower, const char* keep);
std::string NormalizeWord(std::string_view source, bool lower, std::string_view keep);

// 1 for the vowels a, e, i, o, u and y, indexed by (c - 'a').
struct VowelTableType {
    uint8_t entries[256];
    VowelTableType();
    bool IsVowel(char c) const { return entries[static_cast<uint8_t>(c - 'a')] != 0; }
};
extern const VowelTableType VowelTable;

}  // namespace sillabor
