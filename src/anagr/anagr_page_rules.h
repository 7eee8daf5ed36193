#pragma once
// The "Anagr" page's rules that do not need a search: the letter cap of the
// phrase, the counts shown beside the fields, and what is visible or enabled.

#include <string>

#include "anagr/anagr_state.h"

namespace sillabor {

inline constexpr int kMaxPhraseLetters = 52;
inline constexpr int kLongPhraseLetters = 30;

// Drops characters from the end of the phrase until it holds at most 52
// letters; returns the letter count.
int CapPhrase(std::string& phrase);

// The caption of NumFis for a fixed part: "- N", or " " when it has no letters.
std::string FixedPartCaption(const std::string& fixedPart);

struct AnagrPageView {
    int phraseLetters = 0;
    int fixedLetters = 0;
    bool fits = false;          // the fixed part fits in the phrase
    bool longPhrase = false;    // 30 letters or more to place
    bool startEnabled = false;  // "Genera" (when no search runs)
    bool showCounts = false;    // NumLet and NumFis
    bool showWordCounts = false;  // ParoMin and ParoMax
    bool showMinLength = false;   // MinWoLun
    bool showSchemaAndShuffle = false;  // SchemaBx and Mescola
    bool showSchemaField = false;       // SchemEd
};

AnagrPageView AnagramVisibility(const AnagrControls& page);

// Keeps ParoMin <= ParoMax: the one just changed wins.
void ParoMinChanged(AnagrControls& page);
void ParoMaxChanged(AnagrControls& page);

}  // namespace sillabor
