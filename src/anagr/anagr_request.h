#pragma once
// What a search of the "Anagr" page asks for, the page's check of it, and
// what the search gives back to the page.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "game/search_job.h"
#include "patterns/parole_request.h"

namespace sillabor {

// Length limits of the page's fields.
inline constexpr int kPhraseFieldMaxLength = 80;
inline constexpr int kFixedPartMaxLength = 70;
inline constexpr int kSchemaFieldMaxLength = 20;

// The phrase keeps at most this many letters; from kLongPhraseLetters letters
// to place on, the search joins random halves.
inline constexpr int kMaxPhraseLetters = 52;
inline constexpr int kLongPhraseLetters = 30;

// "X" words at most.
inline constexpr int kAnyNumberOfWords = 8;
// A schema names at most this many words.
inline constexpr int kMaxSchemaWords = 8;

// Whether and how the "Parole" page's filters apply to an anagram.
enum AnagramFilterHow : int {
    kFilterNone = 0,           // the filters are off
    kFilterEveryWord = 1,      // "a tutte le parole"
    kFilterSomeWord = 2,       // "ad almeno una parola"
    kFilterOneWord = 3,        // "ad una sola una parola"
    kFilterAtMostOneWord = 4,  // "al massimo ad una parola"
};

struct AnagrRequest {
    std::string phrase;     // "Frase", Windows-1252, at most kMaxPhraseLetters letters
    std::string fixedPart;  // "Fissa": printed in front of every result, its letters taken from the phrase
    int minWordLength = 1;  // 1..5
    int minWords = 1;       // 1..5
    int maxWords = kAnyNumberOfWords;  // 1..4, or kAnyNumberOfWords
    // "Schema": the lengths of the words in order, e.g. "2 5 6"; replaces the
    // least length and the counts of words for a phrase shorter than kLongPhraseLetters.
    bool useSchema = false;
    std::string schema;
    bool shuffle = false;  // "Randomizza"
    AnagramFilterHow filterHow = kFilterNone;
    ParoleRequest filters;  // the "Parole" page's, read when filterHow is not kFilterNone
    bool wrapLines = false;     // "A capo autom.": every line starts with "- "
    bool compactOutput = true;  // "Output compatto": words of one class as one group
    // 0: the page's own limit (10000 results, 30000 candidates); negative: no limit.
    int64_t resultLimit = 0;
};

// A request the check accepted, ready for the search.
struct CheckedAnagr {
    AnagrRequest request;
    // Compiled when the filters apply.
    PatternFilter filter;
    // The schema's word lengths, when the schema applies.
    std::vector<int32_t> schemaLengths;
};

// The page's check: the filters when they apply, then the schema when it
// applies (a phrase whose fixed part fits and leaves fewer than
// kLongPhraseLetters letters). Refuses with the page's message.
Checked<CheckedAnagr> CheckAnagrRequest(const AnagrRequest& request);

// What a search gives back to the page.
struct AnagrResult {
    // The words of the candidate classes ("in. N").
    int64_t candidateWords = 0;
    // The "Parole" page's fields as the filters read them, when they applied.
    std::optional<ParoleRequest> filterFields;
};

}  // namespace sillabor
