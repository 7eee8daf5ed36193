#include "cerca/grid_solver.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "cerca/cells.h"
#include "cerca/cerca_run.h"
#include "cerca/grid_table.h"

namespace sillabor {

namespace {

constexpr int kSolvingLimit = 500;
constexpr int kScoringLimit = 12;
constexpr int kScoredWords = 10;

// The depth-first walk of the grid. It follows the letter tree along the
// path, so a path is left as soon as no word begins with what it spells: the
// same words are found as when the pruning starts at the third letter, and
// with reuse allowed the tree is what ends the recursion.
class GridWalk {
public:
    GridWalk(CercaRun& run, bool countDistinct)
        : run_(run), st_(run.cerca), trie_(run.indexes.Trie(run.dict)), countDistinct_(countDistinct) {
        keyBase_ = run.dict.WordCount + 1;
    }

    void FromCell(int cell) {
        st_.CellFree[cell] = 0;
        Visit(cell, 0, WordTrie::kRoot);
        st_.CellFree[cell] = 1;
    }

private:
    void Visit(int cell, int p, WordTrie::Node node) {
        if (run_.state.Stopping()) return;
        const char* text = st_.Cells[cell];
        if (text[0] == '*') {
            for (char x = 'a'; x <= 'z'; ++x) {
                st_.WordPath[p] = x;
                st_.WordPath[p + 1] = '\0';
                const WordTrie::Node next = trie_.Child(node, x);
                if (next == WordTrie::kNone) continue;
                Found(next, p + 1);
                Neighbours(cell, p + 1, next, false);
            }
            return;
        }
        const int length = st_.CellLength[cell];
        std::memcpy(st_.WordPath + p, text, static_cast<size_t>(length) + 1);
        const WordTrie::Node next = trie_.Walk(node, text, length);
        if (next == WordTrie::kNone) return;
        Found(next, p + length);
        Neighbours(cell, p + length, next, st_.ReuseLetters);
    }

    void Neighbours(int cell, int p, WordTrie::Node node, bool reuse) {
        for (int i = 0; i < st_.NeighbourCount[cell]; ++i) {
            const int m = st_.Neighbours[cell][i];
            if (!reuse && st_.CellFree[m] == 0) continue;
            st_.CellFree[m] = 0;
            Visit(m, p, node);
            st_.CellFree[m] = 1;
        }
    }

    void Found(WordTrie::Node node, int length) {
        if (length <= 2) return;
        const int32_t slot = trie_.Slot(node);
        if (slot != 0) AddFoundWord(slot, length);
    }

    // Keeps the longest words. A word counts as distinct the first time any
    // path spells it, whether or not it is still among the kept ones.
    void AddFoundWord(int32_t slot, int length) {
        const int32_t key = slot + keyBase_ * length;
        if (countDistinct_) {
            uint64_t& bits = st_.FoundSlots[static_cast<size_t>(slot) >> 6];
            const uint64_t bit = uint64_t{1} << (slot & 63);
            if ((bits & bit) == 0) {
                bits |= bit;
                ++st_.DistinctFound;
            }
        }
        st_.KeptWords.Add(key);
    }

    CercaRun& run_;
    CercaState& st_;
    const WordTrie& trie_;
    bool countDistinct_;
    int32_t keyBase_ = 1;
};

}  // namespace

int ChooseGridSide(CercaRun& run) {
    CercaState& st = run.cerca;
    const int n = ParseCells(st, run.out, st.BaseWord);
    if (n < 0) return 0;
    if (n < 16) {
        run.out.PrintLine(st.BaseWord);
        run.out.PrintSeparator();
        run.out.PrintLine("Devi inserire 16 o 25 lettere o gruppi di lettere!");
        return 0;
    }
    if (n == 16) return 4;
    if (n < 25) {
        run.out.PrintFormatted("%d lettere ?!?!  Assumo tabella 4 x 4", n);
        return 4;
    }
    return 5;
}

void BuildNeighbours(CercaState& state, int n) {
    for (int r = 0; r < n; ++r) {
        for (int c = 0; c < n; ++c) {
            const int cell = r * n + c;
            int count = 0;
            for (int dc = -1; dc <= 1; ++dc) {
                for (int dr = -1; dr <= 1; ++dr) {
                    if (dc == 0 && dr == 0) continue;
                    const int rr = r + dr, cc = c + dc;
                    if (rr < 0 || rr >= n || cc < 0 || cc >= n) continue;
                    if (state.UseDiagonals || dc * dr == 0) state.Neighbours[cell][count++] = rr * n + cc;
                }
            }
            state.NeighbourCount[cell] = count;
        }
    }
}

void SolveGrid(CercaRun& run, bool showTable) {
    CercaState& st = run.cerca;
    const bool solving = st.GridMode == kGridSolve;
    int n = st.GridSide;
    if (solving) {
        st.KeepLimit = kSolvingLimit;
        n = ChooseGridSide(run);
        if (n == 0) return;
        st.GridSide = n;
        if (showTable)
            PrintGrid(run.out, st, n);
        else
            run.out.PrintLine(" ");
        st.FoundSlots.assign(static_cast<size_t>(run.dict.WordCount) / 64 + 1, 0);
    } else {
        st.KeepLimit = kScoringLimit;
    }
    const int cells = n * n;
    for (int k = 0; k < cells; ++k) st.CellFree[k] = 1;
    st.KeptWords.Clear(st.KeepLimit);
    st.DistinctFound = 0;
    run.state.StatusMode = kStatusPercent;
    if (solving) run.state.FoundCount = 0;
    BuildNeighbours(st, n);

    GridWalk walk(run, solving);
    for (int c = 0; c < cells && !run.state.Stopping(); ++c) {
        st.WordPath[0] = '\0';
        walk.FromCell(c);
        if (solving) run.state.FoundCount = (100 * c + 100) / cells;
    }

    const int32_t keyBase = run.dict.WordCount + 1;
    if (!solving) {
        st.LayoutScore = 0;
        int scored = 0;
        for (auto key = st.KeptWords.end(); key != st.KeptWords.begin() && scored < kScoredWords; ++scored)
            st.LayoutScore += *--key / keyBase;
        return;
    }
    if (run.state.Stopping()) return;
    run.out.PrintFormatted("Ho trovato %d parole distinte di almeno 3 caratteri",
                  st.DistinctFound);
    if (st.DistinctFound > st.KeepLimit) {
        run.out.PrintFormatted("Le %d parole piu' lunghe sono :", st.KeepLimit);
    }
    run.out.PrintSeparator();
    for (auto key = st.KeptWords.end(); key != st.KeptWords.begin();) {
        --key;
        run.out.PrintFormatted("[%2d] %s", *key / keyBase,
                      run.dict.Words[*key % keyBase]);
    }
}

}  // namespace sillabor
