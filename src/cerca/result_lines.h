#pragma once
// What the result lines of the "Cerca" games share: copies of words with some
// letters marked in upper case, the line of a composition, and the count of
// printed results.

#include <cstdint>
#include <cstring>

#include "base/letter_case.h"
#include "dictionary/dictionary.h"

namespace sillabor {

class Output;
struct CercaRun;

// Room for two dictionary words joined, a NUL and a spare byte. A base longer
// than two words together can take part in no composition.
inline constexpr int kScratchLength = 2 * kMaxWordLength + 2;
inline constexpr int kMaxCompositionBase = kScratchLength - 2;

// Marks letters [from, to) of a scratch copy: words hold only a-z, so a letter
// is shown in upper case by subtracting 32 from its code.
inline void MarkLetters(char* word, int from, int to) {
    for (int i = from; i < to; ++i) word[i] = ToUpperAscii(word[i]);
}

// `length` letters of `word` into `copy`, with [from, to) marked.
inline void CopyMarked(char* copy, const char* word, int length, int from, int to) {
    std::memcpy(copy, word, static_cast<size_t>(length));
    copy[length] = '\0';
    MarkLetters(copy, from, to);
}

// Prints "%s + %s -> %s".
void PrintComposition(Output& out, const char* first, const char* second, const char* whole);

// `length` letters of `text` with [from, to) marked.
struct Marked {
    const char* text;
    int length;
    int from;
    int to;
};
// Prints "%s + %s -> %s" with the three texts marked.
void PrintComposition(Output& out, const Marked& first, const Marked& second, const Marked& whole);

// Adds one result to FoundCount; returns the count before it.
int32_t CountResult(CercaRun& run);

}  // namespace sillabor
