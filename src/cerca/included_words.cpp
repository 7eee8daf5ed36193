#include "cerca/included_words.h"

#include <cstdio>
#include <cstring>

#include "cerca/cells.h"
#include "cerca/cerca_run.h"
#include "cerca/result_lines.h"

namespace sillabor {

namespace {

constexpr int32_t kResultCap = 5000;
// Stands in WordPath for a letter taken by a group: no group holds it.
constexpr char kTaken = 1;

class IncludedWords {
public:
    IncludedWords(CercaRun& run, int jokers) : run_(run), st_(run.cerca), jokers_(jokers) {}

    // Parses the base into cells and prepares the cover. False on an error.
    bool Prepare(int cellLimit) {
        const int n = ParseCells(st_, run_.out, st_.BaseWord);
        if (n < 0) return false;
        cellCount_ = n < cellLimit ? n : cellLimit;
        groups_ = 0;
        while (groups_ < cellCount_ && st_.CellLength[groups_] >= 2) ++groups_;
        ClearLetterCount(letters_);
        ClearLetterCount(st_.SinglesCount);
        for (int k = 0; k < cellCount_; ++k) {
            for (const char* c = st_.Cells[k]; *c != '\0'; ++c) {
                if (*c < 'a' || *c > 'z') continue;
                Add(letters_, *c, 1);
                if (k >= groups_) Add(st_.SinglesCount, *c, 1);
            }
        }
        st_.CellCount = groups_;
        return true;
    }

    // Calls found(word, jokers used) for every word that can be spelled,
    // until it returns false. Restores the cell count.
    template <typename Found>
    void Walk(Found&& found) {
        const Dictionary& dict = run_.dict;
        bool going = true;
        for (int32_t c = 0; c < dict.ClassCount && going; ++c) {
            if (run_.state.Stopping()) break;
            const AnagramClass& cls = dict.Classes[c];
            if (CoverLetters(letters_, cls.letters, jokers_) == 0) continue;
            dict.ForEachWordOfClass(cls, [&](const char* word) {
                if (!going) return;
                const int length = cls.letters.total;
                if (length > kMaxWordLength) return;
                std::memcpy(st_.WordPath, word, static_cast<size_t>(length) + 1);
                st_.Remaining = cls.letters;
                const int r = CoverWithCells(groups_ - 1);
                if (r != 0) going = found(word, r - 1);
            });
        }
        st_.CellCount = cellCount_;
    }

private:
    static void Add(LetterCount& lc, char c, int delta) {
        lc.counts[c - 'a'] = static_cast<uint8_t>(lc.counts[c - 'a'] + delta);
        lc.total = static_cast<int16_t>(lc.total + delta);
    }

    void Take(int position, int cell, int delta) {
        const int length = st_.CellLength[cell];
        for (int i = 0; i < length; ++i) {
            const char c = st_.Cells[cell][i];
            st_.WordPath[position + i] = delta < 0 ? kTaken : c;
            Add(st_.Remaining, c, delta);
        }
    }

    // 0 when the rest of the word cannot be covered by the groups 0..g (each
    // at most once) and then the single letters with the jokers; else 1 + the
    // jokers used. Groups are tried from the shortest to the longest; a group
    // equal to one tried before it at this step can only fail the same way.
    int CoverWithCells(int g) {
        if (st_.Remaining.total == 0) return 1;
        if (run_.state.Stopping()) return 0;
        for (int v = g; v >= 0; --v) {
            if (TriedAlready(v, g)) continue;
            const char* text = st_.Cells[v];
            for (const char* at = std::strstr(st_.WordPath, text); at != nullptr;
                 at = std::strstr(at + 1, text)) {
                const int position = static_cast<int>(at - st_.WordPath);
                Take(position, v, -1);
                const int r = CoverWithCells(v - 1);
                if (r != 0) {
                    st_.GroupAtPosition[position] = v;
                    return r;
                }
                Take(position, v, +1);
            }
        }
        return CoverLetters(st_.SinglesCount, st_.Remaining, jokers_);
    }

    bool TriedAlready(int v, int g) const {
        for (int w = v + 1; w <= g; ++w)
            if (std::strcmp(st_.Cells[v], st_.Cells[w]) == 0) return true;
        return false;
    }

    CercaRun& run_;
    CercaState& st_;
    int jokers_;
    int cellCount_ = 0;
    int groups_ = 0;
    LetterCount letters_{};
};

}  // namespace

void ListIncludedWords(CercaRun& run) {
    IncludedWords words(run, run.cerca.JokerCount);
    if (!words.Prepare(kMaxCells)) return;
    words.Walk([&](const char* word, int jokers) {
        if (jokers == 0)
            run.out.PrintLine(word);
        else {
            run.out.PrintFormatted("%s (+%d jolly)", word, jokers);
        }
        return CountResult(run) + 1 < kResultCap;
    });
}

bool FitIncludedWord(CercaRun& run, int cellLimit) {
    CercaState& st = run.cerca;
    st.FittedWord = -1;
    for (int32_t& g : st.GroupAtPosition) g = -1;
    IncludedWords words(run, 0);
    if (!words.Prepare(cellLimit)) return false;
    words.Walk([&](const char* word, int) {
        st.FittedWord = run.dict.FindWord(word);
        return false;
    });
    return true;
}

}  // namespace sillabor
