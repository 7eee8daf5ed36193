#pragma once
// What one report of the "Curio" page works on, and the habits the thirty
// share: the walk over the words with its progress and stop, titles, words in
// capitals, and the top list.

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include "base/output.h"
#include "base/random_source.h"
#include "base/search_state.h"
#include "base/top_table.h"
#include "curio/curio_state.h"
#include "dictionary/dictionary.h"

namespace sillabor {

// Progress of a pass that prepares a walk: done of total, shown against the
// words (or the classes) as the status mode counts them, `scale` of them.
inline void ShowPassProgress(SearchState& state, int64_t done, int64_t total, int32_t scale) {
    state.FoundCount.store(total > 0 ? static_cast<int32_t>(done * scale / total) : 0, std::memory_order_relaxed);
}

struct CurioRun {
    Dictionary& dict;
    Output& out;
    SearchState& state;
    RandomSource& random;
    TopTable& top;
    CurioState& curio;

    const char* Word(int32_t slot) const { return dict.Words[static_cast<size_t>(slot)]; }
    int32_t LastSlot() const { return dict.WordCount - 1; }

    // Before word i (or class i) of a walk: shows the progress; false once a
    // stop is asked for, and the report then prints nothing more.
    bool Visit(int32_t i) {
        state.FoundCount.store(i, std::memory_order_relaxed);
        return !state.Stopping();
    }
    // Visit for a walk over the words in slot order. The words lie in the
    // text by anagram class, not by slot, so each one read is a cache miss;
    // asking for a later one now lets the misses overlap.
    bool VisitWord(int32_t slot) {
        PrefetchWord(slot + kWordsAhead);
        return Visit(slot);
    }
    // Slots past either end are ignored (one unsigned test: with two, GCC 12
    // drops the prefetch).
    void PrefetchWord(int32_t slot) const {
        if (static_cast<uint32_t>(slot) <= static_cast<uint32_t>(dict.WordCount))
            __builtin_prefetch(dict.Words[static_cast<size_t>(slot)]);
    }
    static constexpr int32_t kWordsAhead = 16;
    void ShowProgress(int64_t done, int64_t total, int32_t scale) { ShowPassProgress(state, done, total, scale); }

    void PrintTitle(std::string_view title) {
        out.PrintLine(title);
        out.PrintSeparator();
    }
    // Formats one line as printf does and prints it.
    template <typename... Args>
    void PrintFormatted(const char* format, Args... args) {
        out.PrintFormatted(format, args...);
    }
};

// The word in capitals (every letter of a dictionary word minus 32).
std::string Upper(std::string_view word);
// The word with the letters at the given positions in capitals.
std::string MarkLetters(std::string_view word, int first, int second = -1);

inline int WordLength(const char* word) { return static_cast<int>(std::strlen(word)); }
inline int LetterIndex(char c) { return c - 'a'; }

// Prints the top table: a heading ("Le " when withLe, the number of entries,
// " parole con " and the text; "NESSUNA PAROLA con " and the text when empty),
// a separator, "%2d %s" with each score and word in capitals, a separator.
// `wordOf` gives the word of an entry's item (by default the item is a slot).
void PrintTopList(CurioRun& run, bool withLe, std::string_view text);
template <typename WordOf>
void PrintTopList(CurioRun& run, bool withLe, std::string_view text, WordOf wordOf);

template <typename WordOf>
void PrintTopList(CurioRun& run, bool withLe, std::string_view text, WordOf wordOf) {
    const TopTable& top = run.top;
    if (top.TopCount > 0)
        run.out.PrintLine((withLe ? "Le " : "") + std::to_string(top.TopCount) + " parole con " + std::string(text));
    else
        run.out.PrintLine("NESSUNA PAROLA con " + std::string(text));
    run.out.PrintSeparator();
    for (int k = 0; k < top.TopCount; ++k)
        run.PrintFormatted("%2d %s", top.entries[k].score, Upper(wordOf(top.entries[k].item)).c_str());
    run.out.PrintSeparator();
}

}  // namespace sillabor
