#pragma once
// The "Decrit" page's searches and limits, the maker's substitution, and the
// working state of the cryptogram solver.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "dictionary/dictionary.h"

namespace sillabor {

// The searches of the page.
enum CryptoOption : int {
    kDecrittaSearch = 0,  // "Decritta": solve the cryptogram of the page's text
    kCoppieSearch = 1,    // "Coppie?": words whose enciphered form is a word too
};

// The most characters the page's text holds.
inline constexpr int kCryptogramMaxLength = 1020;
inline constexpr int kMaxCryptoWords = 20;
inline constexpr int kMaxSolutions = 1000;
inline constexpr int kMaxCoppie = 5000;
inline constexpr int kAlphabetSize = 26;

// The maker's substitution: box i holds the image of plain letter 'a' + i,
// 'A'..'Z', or 0 when the box is empty.
using CipherBoxes = std::array<char, kAlphabetSize>;

inline constexpr CipherBoxes kIdentityBoxes = {'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H', 'I', 'J', 'K', 'L', 'M',
                                               'N', 'O', 'P', 'Q', 'R', 'S', 'T', 'U', 'V', 'W', 'X', 'Y', 'Z'};

// Symbol codes of a cryptogram word: 0..25 for a letter of the alphabetic
// notation (letter - 'a') or a number n of the numeric one (n - 1).
inline constexpr uint8_t kJoker = 127;

// The letters given to the symbols so far: a 32-byte value, copied at each
// level of the search so that backtracking needs no undo.
struct Assignment {
    uint32_t UsedLetters = 0;           // bit i: letter 'a' + i is taken
    char SymbolLetter[kAlphabetSize] = {};  // the letter of each symbol, 0 while it has none
};
static_assert(sizeof(Assignment) == 32);

struct CryptoWord {
    std::vector<uint8_t> symbols;  // one code a character, kJoker for '*'
    int32_t length = 0;
};

// The dictionary words that may stand for one cryptogram word, and the same
// candidates grouped by the letter they give each of the word's symbols.
struct WordCandidates {
    std::vector<const char*> words;  // in the word array's order
    std::vector<uint8_t> letters;    // the candidates' letters (0..25), `length` a candidate
    std::vector<int32_t> all;        // 0, 1, ... candidates - 1
    struct SymbolIndex {
        uint8_t symbol;
        int32_t position;             // its first position in the word
        int32_t first[kAlphabetSize + 1];  // order[first[L] .. first[L+1]): candidates giving it letter L
        std::vector<int32_t> order;
    };
    std::vector<SymbolIndex> symbols;  // one per distinct symbol of the word
    // For a word with jokers: the candidates that give its symbols the same
    // letters share a number, 0 .. sameLetterGroups - 1 (they lead the search
    // to the same place). Empty for a word without jokers.
    std::vector<int32_t> sameLetters;
    int32_t sameLetterGroups = 0;
};

struct DecritState {
    std::vector<CryptoWord> CryptoWords;  // in the cryptogram's order
    int32_t WordTotal = 0;
    int32_t Solutions = 0;
    // The candidate chosen for each cryptogram word on the current path.
    std::vector<int32_t> ChosenWord;
    Assignment StartAssignment;
    // For each length, the first and the past-the-end slot of its words.
    int32_t LengthBucket[kLengthSlots][2] = {};

    // The word array as the last search left it in length order, so that the
    // next finds its buckets standing.
    struct LengthOrder {
        bool known = false;
        uint32_t generation = 0;
        uint64_t fingerprint = 0;
    } leftInLengthOrder;
    // The letters (0..25) of each length's words, packed in bucket order when a
    // search first needs them; valid while the buckets stand.
    std::vector<uint8_t> BucketLetters[kLengthSlots];

    std::vector<WordCandidates> candidates;  // one per cryptogram word
    bool SymbolInUse[kAlphabetSize] = {};
    // Bit L: letter 'a' + L is still possible for the symbol.
    uint32_t SymbolLetters[kAlphabetSize] = {};
    std::vector<uint8_t> solved;             // the words the current path has chosen
};

}  // namespace sillabor
