#include "cerca/cerca_search.h"

#include "cerca/category0.h"
#include "cerca/cerca_run.h"
#include "cerca/charades.h"
#include "cerca/included_words.h"
#include "cerca/interleaves.h"
#include "cerca/padlocks.h"

namespace sillabor {

bool CercaCategoryBuilt(int category) { return category >= kCercaEdits && category <= kCercaIncluded; }

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
        default:
            break;
    }
    run.out.PrintSeparator();
    run.out.PrintLine("Fine Ricerca");
}

}  // namespace sillabor
