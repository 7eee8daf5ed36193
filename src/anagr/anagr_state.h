#pragma once
// The "Anagr" page's input record and the anagram engine's working state.

#include <cstdint>
#include <string>
#include <vector>

#include "dictionary/letter_count.h"

namespace sillabor {

// Length limits of the page's fields.
inline constexpr int kFraseMaxLength = 80;
inline constexpr int kFissaMaxLength = 70;
inline constexpr int kSchemEdMaxLength = 20;

// "X" words at most.
inline constexpr int kAnyNumberOfWords = 8;

// How the "Parole" page's filters apply to an anagram (FiltraCome).
enum AnagramFilterHow : int {
    kFilterNone = 0,           // the filters are off
    kFilterEveryWord = 1,      // "a tutte le parole"
    kFilterSomeWord = 2,       // "ad almeno una parola"
    kFilterOneWord = 3,        // "ad una sola una parola"
    kFilterAtMostOneWord = 4,  // "al massimo ad una parola"
};

// The controls of the "Anagr" page, as values.
struct AnagrControls {
    std::string Frase;          // the phrase, at most kFraseMaxLength characters
    std::string Fissa;          // the fixed part, at most kFissaMaxLength characters
    int MinWordLength = 1;      // MinWoLun: 1..5
    int MinWords = 1;           // ParoMin: 1..5
    int MaxWords = kAnyNumberOfWords;  // ParoMax: 1..4, or "X"
    bool SchemaBx = false;      // "Schema"
    std::string SchemEd;        // e.g. "2 5 6"
    bool Mescola = false;       // "Randomizza"
    bool FiltraGram = false;    // "Imponi i filtri di <Parole> "
    int FiltraCome = kFilterEveryWord;  // how the filters apply, while FiltraGram
    bool ACapo = false;         // "A capo autom."
    bool Compatta = true;       // "Output compatto"
    // Replaces the result limit when positive (the command line's --limite);
    // 0 keeps the page's own limit, negative means no limit.
    int64_t resultLimitOverride = 0;

    // Written back by the search: the text of TotParoleLab.
    std::string TotParoleLab = "in. 0";
};

// Letters packed one per byte (a..z, then the total) in four 64-bit words, so
// that a fit is tested and subtracted a word at a time.
struct PackedLetters {
    uint64_t w[4];
};

inline constexpr int kAnagramMaxDepth = 20;
inline constexpr int kMaxSavedHalves = 101;

struct AnagrState {
    uint8_t FilterMode = kFilterNone;
    std::string SchemaText;
    int32_t SchemaLengths[8] = {};
    int32_t LengthRange[41][2] = {};
    bool SchemaMode = false;
    bool WrapLines = false;
    bool CompactOutput = true;
    int32_t MinWordLen = 1;
    int32_t MinWords = 1;
    int32_t MaxWords = 8;
    int32_t LastSchemaIndex = 0;
    int64_t HalfComboLimit = 0;
    int32_t CandidateCount = 0;
    int32_t Chosen[kAnagramMaxDepth * 2] = {};
    int64_t Deadline = 0;
    std::string LineText;
    int32_t SavedHalves[kMaxSavedHalves][kAnagramMaxDepth] = {};
    int32_t SavedLengths[kMaxSavedHalves] = {};
    int64_t ComboCount = 0;
    int32_t SavedCount = 0;
    int64_t CandidateWords = 0;
    LetterCount Remaining{};
    bool ShortPhrase = true;
    int HalfPhase = 0;
    std::string FixedText;
    std::string SchemaInput;
    bool Shuffle = false;
    int64_t ResultLimit = 10000;

    // Per candidate, in candidate order: packed letters, length, and class.
    std::vector<PackedLetters> candidateLetters;
    std::vector<int32_t> candidateLength;
    // Candidate positions still possible at each depth of the search.
    std::vector<std::vector<int32_t>> levelLists;
    // The word groups of the line being composed, one per chosen class.
    struct Group {
        const char* words[128];
        int count;
    };
    std::vector<Group> groups;
    std::string expanded;
};

}  // namespace sillabor
