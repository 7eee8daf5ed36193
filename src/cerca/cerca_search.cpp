#include "cerca/cerca_search.h"

#include "cerca/category0.h"
#include "cerca/cerca_run.h"
#include "cerca/charades.h"
#include "cerca/consonando.h"
#include "cerca/grid_arrange.h"
#include "cerca/grid_solver.h"
#include "cerca/included_words.h"
#include "cerca/interleaves.h"
#include "cerca/padlocks.h"
#include "cerca/sizigie.h"

namespace sillabor {

bool CercaCategoryBuilt(int category) { return category >= kCercaEdits && category <= kCercaSizigie; }

namespace {

// Solve, arrange, or arrange and then solve the arranged grid without its
// table (the arrangement has printed it).
void SearchGrid(CercaRun& run) {
    CercaState& st = run.cerca;
    switch (st.GridMode) {
        case kGridSolve:
            SolveGrid(run, true);
            break;
        case kGridArrange:
            ArrangeGrid(run);
            break;
        default:
            ArrangeGrid(run);
            st.GridMode = kGridSolve;
            SolveGrid(run, false);
            st.GridMode = kGridArrangeThenSolve;
            break;
    }
}

}  // namespace

void CercaSearch(CercaRun& run, int category) {
    run.cerca.Category = category;
    switch (category) {
        case kCercaEdits:
            SearchEdits(run);
            break;
        case kCercaCharades:
            SearchCharades(run);
            break;
        case kCercaInterleaves:
            SearchInterleaves(run);
            break;
        case kCercaPadlocks:
            SearchPadlocks(run);
            break;
        case kCercaIncluded:
            ListIncludedWords(run);
            break;
        case kCercaGrid:
            SearchGrid(run);
            break;
        case kCercaConsonando:
            Consonando(run);
            break;
        case kCercaSizigie:
            Sizigie(run);
            break;
        default:
            break;
    }
    run.out.PrintSeparator();
    run.out.PrintLine("Fine Ricerca");
}

}  // namespace sillabor
