#pragma once
// The "Anagr" page's rules that do not need a search: the letter cap of the
// phrase, the counts shown beside the fields, and what is visible or enabled.

#include <cstdint>
#include <string>

#include "anagr/anagr_request.h"

namespace sillabor {

// Drops characters from the end of the phrase until it holds at most 52
// letters; returns the letter count.
int CapPhrase(std::string& phrase);

// The caption beside the fixed part: "- N", or " " when it has no letters.
std::string FixedPartCaption(const std::string& fixedPart);

// The caption of the candidates' count: "in. N".
std::string CandidateCountCaption(int64_t candidateWords);

struct AnagrPageView {
    int phraseLetters = 0;
    int fixedLetters = 0;
    bool fits = false;          // the fixed part fits in the phrase
    bool longPhrase = false;    // 30 letters or more to place
    bool startEnabled = false;  // "Genera" (when no search runs)
    bool showCounts = false;    // the letter counts beside the two fields
    bool showWordCounts = false;  // the least and most words
    bool showMinLength = false;   // the least word length
    bool showSchemaAndShuffle = false;  // "Schema" and "Randomizza"
    bool showSchemaField = false;       // the schema's lengths
};

AnagrPageView AnagramVisibility(const AnagrRequest& request);

// Keeps the least number of words at most the greatest: the one just changed wins.
void MinWordsChanged(AnagrRequest& request);
void MaxWordsChanged(AnagrRequest& request);

}  // namespace sillabor
