#include "cerca/grid_arrange.h"

#include <cstring>
#include <string>

#include "cerca/cerca_run.h"
#include "cerca/grid_solver.h"
#include "cerca/grid_table.h"
#include "cerca/included_words.h"
#include "dictionary/letter_count.h"
#include "dictionary/random_choices.h"

namespace sillabor {

namespace {

constexpr int kPasses = 50;
constexpr int kPathCallBudget = 100001;

class Arranger {
public:
    explicit Arranger(CercaRun& run) : run_(run), st_(run.cerca) {}

    void Run() {
        run_.state.StatusMode = kStatusPercent;
        run_.state.FoundCount = 0;
        n_ = ChooseGridSide(run_);
        st_.GridSide = n_;
        if (n_ == 0) return;
        cells_ = n_ * n_;
        if (!FitIncludedWord(run_, cells_)) return;
        run_.state.FoundCount = 1;
        if (st_.FittedWord <= 0 || !ListCellsOfTheWord()) {
            run_.out.PrintLine("Con queste lettere non riesco a trovare nulla");
            return;
        }
        if (!TryLayouts()) return;
        WriteBack();
    }

private:
    // The local list: the cells that spell the fitted word, in its order,
    // then the grid's other cells in index order.
    bool ListCellsOfTheWord() {
        const char* word = run_.dict.Words[st_.FittedWord];
        const int length = static_cast<int>(std::strlen(word));
        bool used[kMaxGridCells] = {};
        int count = 0;
        for (int p = 0; p < length;) {
            int cell = st_.GroupAtPosition[p];
            if (cell < 0) {
                for (int k = 0; k < cells_ && cell < 0; ++k)
                    if (!used[k] && st_.CellLength[k] == 1 && st_.Cells[k][0] == word[p]) cell = k;
                if (cell < 0) return false;
            }
            used[cell] = true;
            local_[count++] = cell;
            p += st_.CellLength[cell];
        }
        wordCells_ = count;
        for (int k = 0; k < cells_; ++k)
            if (!used[k]) local_[count++] = k;
        for (int i = 0; i < cells_; ++i) {
            std::memcpy(localText_[i], st_.Cells[local_[i]], sizeof localText_[i]);
            localLength_[i] = st_.CellLength[local_[i]];
        }
        return true;
    }

    // Scores the trial layouts; false after a stop. When no layout holds a
    // word of three letters, the first is kept.
    bool TryLayouts() {
        const int trials = n_ == 4 ? 2 : 1;
        int best = -1;
        for (int pass = 0; pass < kPasses; ++pass) {
            for (int t = 0; t < trials; ++t) {
                if (!RandomLayout()) return false;
                for (int i = 0; i < cells_; ++i) Place(st_.LayoutPath[i], i);
                SolveGrid(run_, false);
                if (run_.state.Stopping()) return false;
                if (st_.LayoutScore > best) {
                    best = st_.LayoutScore;
                    std::memcpy(bestPath_, st_.LayoutPath, sizeof bestPath_);
                }
            }
            run_.state.FoundCount = (100 * pass + 200) / (kPasses + 1);
        }
        for (int i = 0; i < cells_; ++i) Place(bestPath_[i], i);
        return true;
    }

    void Place(int gridCell, int entry) {
        std::memcpy(st_.Cells[gridCell], localText_[entry], sizeof localText_[entry]);
        st_.CellLength[gridCell] = localLength_[entry];
    }

    // LayoutPath: the word's cells along a random path of adjacent cells
    // (entry 0 at its end), then the other cells shuffled. False after a stop.
    bool RandomLayout() {
        BuildNeighbours(st_, n_);
        for (;;) {
            if (run_.state.Stopping()) return false;
            calls_ = 0;
            gaveUp_ = false;
            for (int c = 0; c < cells_; ++c) {
                ShuffleArray(run_.random, st_.NeighbourCount[c], st_.Neighbours[c]);
                st_.CellFree[c] = 1;
            }
            const int start = run_.random.Below(cells_);
            st_.LayoutPath[wordCells_ - 1] = start;
            if (ExtendPath(start, wordCells_ - 2) && !gaveUp_) break;
        }
        bool onPath[kMaxGridCells] = {};
        for (int i = 0; i < wordCells_; ++i) onPath[st_.LayoutPath[i]] = true;
        int count = wordCells_;
        for (int c = 0; c < cells_; ++c)
            if (!onPath[c]) st_.LayoutPath[count++] = c;
        ShuffleArray(run_.random, cells_ - wordCells_, st_.LayoutPath + wordCells_);
        return true;
    }

    // Puts entries d, d-1, ..., 0 on free cells adjacent one to the next. An
    // attempt that takes too many steps gives up: it unwinds as a success
    // and is made again.
    bool ExtendPath(int cell, int d) {
        if (++calls_ >= kPathCallBudget) {
            gaveUp_ = true;
            return true;
        }
        if (d < 0) return true;
        st_.CellFree[cell] = 0;
        for (int i = 0; i < st_.NeighbourCount[cell]; ++i) {
            const int m = st_.Neighbours[cell][i];
            if (st_.CellFree[m] == 0) continue;
            st_.LayoutPath[d] = m;
            if (ExtendPath(m, d - 1)) return true;
        }
        st_.CellFree[cell] = 1;
        return false;
    }

    // The arranged grid as the base field's text, row by row; the table printed.
    void WriteBack() {
        std::string text;
        for (int c = 0; c < cells_; ++c) {
            if (c > 0 && c % n_ == 0) text += ' ';
            if (st_.CellLength[c] >= 2)
                text += '[' + std::string(st_.Cells[c]) + ']';
            else
                text += st_.Cells[c];
        }
        run_.result.arrangedBase = text;
        st_.BaseWord = NormalizeWord(text, true, "[]");
        PrintGrid(run_.out, st_, n_);
    }

    CercaRun& run_;
    CercaState& st_;
    int n_ = 0;
    int cells_ = 0;
    int wordCells_ = 0;
    int local_[kMaxGridCells] = {};
    char localText_[kMaxGridCells][kMaxCellLength + 1] = {};
    int localLength_[kMaxGridCells] = {};
    int bestPath_[kMaxGridCells] = {};
    int calls_ = 0;
    bool gaveUp_ = false;
};

}  // namespace

void ArrangeGrid(CercaRun& run) { Arranger(run).Run(); }

}  // namespace sillabor
