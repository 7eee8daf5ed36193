#include "cerca/grid_table.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "base/output.h"
#include "cerca/cerca_state.h"
#include "dictionary/letter_count.h"

namespace sillabor {

void PrintGrid(Output& out, const CercaState& state, int n) {
    int width = 0;
    for (int k = 0; k < n * n; ++k) width = std::max<int>(width, state.CellLength[k]);
    const std::string rule(static_cast<size_t>((width + 2) * n + n + 1), '-');
    out.PrintLine(rule);
    for (int row = 0; row < n; ++row) {
        std::string line = "|";
        char cell[kMaxCellLength + 4];
        for (int col = 0; col < n; ++col) {
            std::snprintf(cell, sizeof cell, " %*s |", width, state.Cells[row * n + col]);
            line += cell;
        }
        ToUpperLetters(line);
        out.PrintLine(line);
        if (n == 4 || row == n - 1) out.PrintLine(rule);
    }
}

}  // namespace sillabor
