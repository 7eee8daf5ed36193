#include "curio/count_reports.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "base/portable.h"
#include "curio/curio_reports.h"

namespace sillabor {

namespace {

constexpr int kLengthRows = 43;

// The share with three decimals, whatever the locale of the process.
std::string Percentage(double value) {
    std::string text = FixedDecimals(value, 3);
    if (text.size() < 6) text.insert(0, 6 - text.size(), ' ');
    return text;
}

int MostRepeated(const char* word, int length) {
    int counts[26] = {};
    int most = 0;
    for (int k = 0; k < length; ++k) most = std::max(most, ++counts[LetterIndex(word[k])]);
    return most;
}

int DifferentLetters(const char* word, int length) {
    uint32_t seen = 0;
    for (int k = 0; k < length; ++k) seen |= 1u << LetterIndex(word[k]);
    return std::popcount(seen);
}

// The longest run of consecutive letters that are all different.
int LongestDifferentRun(const char* word, int length) {
    int lastSeen[26];
    std::fill(std::begin(lastSeen), std::end(lastSeen), -1);
    int best = 1;
    int start = 0;
    for (int k = 0; k < length; ++k) {
        const int letter = LetterIndex(word[k]);
        if (lastSeen[letter] >= start) start = lastSeen[letter] + 1;
        lastSeen[letter] = k;
        best = std::max(best, k - start + 1);
    }
    return best;
}

// The score of a word in ripetizioni, lett.div. or let.div.cons.
int LetterScore(int code, const char* word, int length) {
    switch (code) {
        case kCurioRepeats: return MostRepeated(word, length);
        case kCurioDifferentLetters: return DifferentLetters(word, length);
        default: return LongestDifferentRun(word, length);
    }
}

}  // namespace

void CountsReport(CurioRun& run) {
    int32_t byLength[kLengthRows] = {};
    int32_t firstOfLength[kLengthRows] = {};
    int32_t lastOfLength[kLengthRows] = {};
    int32_t byInitial[26] = {};
    int32_t firstOfInitial[26] = {};
    int32_t lastOfInitial[26] = {};
    int64_t occurrences[26] = {};

    run.PrintTitle("Conteggi e statistiche");
    for (int32_t i = 1; i < run.dict.WordCount; ++i) {
        if (run.state.Stopping()) return;
        run.PrefetchWord(i + CurioRun::kWordsAhead);
        const char* word = run.Word(i);
        const int length = WordLength(word);
        for (int k = 0; k < length; ++k) ++occurrences[LetterIndex(word[k])];
        if (byLength[length]++ == 0 || std::strcmp(word, run.Word(firstOfLength[length])) < 0)
            firstOfLength[length] = i;
        if (lastOfLength[length] == 0 || std::strcmp(word, run.Word(lastOfLength[length])) > 0)
            lastOfLength[length] = i;
        const int initial = LetterIndex(word[0]);
        if (byInitial[initial]++ == 0) firstOfInitial[initial] = i;
        lastOfInitial[initial] = i;
        run.state.FoundCount.store(i, std::memory_order_relaxed);
    }

    run.out.PrintLine(std::to_string(run.LastSlot()) + " parole, da " + Upper(run.Word(1)) + " a " +
                      Upper(run.Word(run.LastSlot())));
    run.out.PrintSeparator();
    for (int length = 1; length < kLengthRows; ++length)
        if (byLength[length] != 0)
            run.PrintFormatted("Lun. %2d: %6d parole, %s - %s", length, byLength[length],
                               Upper(run.Word(firstOfLength[length])).c_str(),
                               Upper(run.Word(lastOfLength[length])).c_str());
    run.out.PrintSeparator();
    for (int letter = 0; letter < 26; ++letter)
        if (byInitial[letter] != 0)
            run.PrintFormatted("%c: %6d parole, %s - %s", 'A' + letter, byInitial[letter],
                               Upper(run.Word(firstOfInitial[letter])).c_str(),
                               Upper(run.Word(lastOfInitial[letter])).c_str());
    run.out.PrintSeparator();
    run.out.PrintLine("Frequenze relative delle lettere nelle parole del dizionario");
    int64_t total = 0;
    for (int64_t count : occurrences) total += count;
    for (int letter = 0; letter < 26; ++letter) {
        const double share = total > 0 ? 100.0 * static_cast<double>(occurrences[letter]) / static_cast<double>(total) : 0.0;
        run.out.PrintLine(std::string(1, static_cast<char>('A' + letter)) + " " + Percentage(share) + "%");
    }
    run.out.PrintSeparator();
}

void LetterScoreReport(CurioRun& run, int code) {
    for (int32_t i = 1; i < run.dict.WordCount; ++i) {
        if (!run.VisitWord(i)) return;
        const char* word = run.Word(i);
        run.top.TopInsert(i, LetterScore(code, word, WordLength(word)));
    }
    switch (code) {
        case kCurioRepeats: PrintTopList(run, false, "lettere ripetute"); break;
        case kCurioDifferentLetters: PrintTopList(run, true, "piu' caratteri diversi"); break;
        default: PrintTopList(run, true, "piu' caratteri diversi consecutivi"); break;
    }
}

void MostAnagramsReport(CurioRun& run) {
    // The table keeps class indexes: the order of the list depends only on the
    // scores and the class order, and the first word of a class is its text.
    for (int32_t k = 0; k < run.dict.ClassCount; ++k) {
        if (!run.Visit(k)) return;
        run.top.TopInsert(k, run.dict.Classes[static_cast<size_t>(k)].WordsInClass());
    }
    const char* text = run.dict.WordText.get();
    PrintTopList(run, true, "piu' anagrammi", [&](int32_t k) {
        return text + run.dict.Classes[static_cast<size_t>(k)].Offset();
    });
}

}  // namespace sillabor
