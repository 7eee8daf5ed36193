#pragma once
// What one run of the "Trova" page works on, and the ways its generators
// print: a title over a separator, and result lines that each count one.

#include <cstdio>
#include <cstring>
#include <initializer_list>

#include "base/letter_case.h"
#include "base/output.h"
#include "base/random_source.h"
#include "base/search_state.h"
#include "dictionary/dictionary.h"
#include "trova/trova_state.h"

namespace sillabor {

// A dictionary letter shown in capitals.
inline void MarkAt(char* word, int position) { word[position] = ToUpperAscii(word[position]); }

struct TrovaRun {
    const Dictionary& dict;
    Output& out;
    SearchState& state;
    RandomSource& random;
    TrovaState& trova;

    TrovaParams& params() { return trova.params; }
    // What Dictionary::FindWord gives, through the table the driver prepares.
    int32_t FindWord(const char* word) const { return trova.words.Find(word); }

    // A generator stops before its next word once the user stops or its cap is reached.
    bool Done(int32_t cap) const { return state.Stopping() || state.FoundCount.load(std::memory_order_relaxed) >= cap; }

    template <typename... Args>
    void PrintTitle(const char* format, Args... args) {
        out.PrintFormatted(format, args...);
        out.PrintSeparator();
    }

    // Prints one result line and counts it.
    template <typename... Args>
    void PrintResult(const char* format, Args... args) {
        out.PrintFormatted(format, args...);
        state.CountOne();
    }

    // Prints "word <-> other" with the letters of the game in capitals: those at
    // `wordMarks` in the word, those at `otherMarks` in the other. Both fit a word's room.
    void PrintPair(const char* word, std::initializer_list<int> wordMarks, const char* other,
                   std::initializer_list<int> otherMarks) {
        char first[kTrovaWordRoom], second[kTrovaWordRoom];
        std::strcpy(first, word);
        std::strcpy(second, other);
        for (int at : wordMarks) MarkAt(first, at);
        for (int at : otherMarks) MarkAt(second, at);
        PrintResult("%s <-> %s", first, second);
    }
};

}  // namespace sillabor
