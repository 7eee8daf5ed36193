#include "cerca/cells.h"

#include <algorithm>
#include <cstring>
#include <numeric>

#include "base/output.h"

namespace sillabor {

namespace {

int ReportCells(Output& out, std::string_view text, const char* message) {
    out.PrintLine(text);
    out.PrintSeparator();
    out.PrintLine(message);
    return -1;
}

void StoreCell(CercaState& state, int n, std::string_view cell) {
    std::memcpy(state.Cells[n], cell.data(), cell.size());
    state.Cells[n][cell.size()] = '\0';
}

// Longer cells first; equal lengths keep their order.
void SortCellsByLength(CercaState& state, int n) {
    int order[kMaxCells];
    std::iota(order, order + n, 0);
    std::stable_sort(order, order + n, [&](int a, int b) {
        return std::strlen(state.Cells[a]) > std::strlen(state.Cells[b]);
    });
    char sorted[kMaxCells][kMaxCellLength + 1];
    for (int k = 0; k < n; ++k) std::memcpy(sorted[k], state.Cells[order[k]], sizeof sorted[k]);
    std::memcpy(state.Cells, sorted, sizeof sorted[0] * n);
}

}  // namespace

int ParseCells(CercaState& state, Output& out, std::string_view text) {
    char group[kMaxCellLength + 2];
    int groupLength = 0;
    bool inGroup = false;
    int n = 0;
    for (char ch : text) {
        if (groupLength > kMaxCellLength)
            return ReportCells(out, text, "I gruppi devono avere lunghezza massima uguale a 6");
        if (inGroup && ch == '*') {
            out.PrintLine("I gruppi non possono contenere Jolly (*)");
            return -1;
        }
        if ((ch == '[' && inGroup) || (ch == ']' && (!inGroup || groupLength == 0)))
            return ReportCells(out, text, "Errore nelle parentesi!");
        if (ch == ']') {
            StoreCell(state, n++, std::string_view(group, groupLength));
            groupLength = 0;
            inGroup = false;
        } else if (ch == '[') {
            inGroup = true;
        } else if (inGroup) {
            group[groupLength++] = ch;
        } else {
            StoreCell(state, n++, std::string_view(&ch, 1));
        }
        if (n >= kMaxCells) break;
    }
    // A group never closed would lose its letters without a word: say so.
    if (inGroup && n < kMaxCells) return ReportCells(out, text, "Errore nelle parentesi!");

    state.CellCount = n;
    if (state.Category == kCercaIncluded || (state.Category == kCercaGrid && state.GridMode != kGridSolve))
        SortCellsByLength(state, n);
    for (int k = 0; k < n; ++k) {
        state.CellLength[k] = static_cast<int32_t>(std::strlen(state.Cells[k]));
        state.CellFree[k] = 1;
    }
    return n;
}

// The letters missing from `have` add up to the jokers needed.
int CoverLetters(const LetterCount& have, const LetterCount& need, int jokers) {
    if (need.total > have.total + jokers) return 0;
    int missing = 0;
    for (int k = 0; k < 26; ++k) {
        const int d = static_cast<int>(need.counts[k]) - static_cast<int>(have.counts[k]);
        missing += d > 0 ? d : 0;
    }
    return missing > jokers ? 0 : 1 + missing;
}

}  // namespace sillabor
