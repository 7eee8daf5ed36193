#include "cerca/cerca_search.h"

#include "cerca/category0.h"
#include "cerca/cerca_run.h"

namespace sillabor {

bool CercaCategoryBuilt(int category) { return category == kCercaEdits; }

void CercaSearch(CercaRun& run, int category) {
    run.cerca.Category = category;
    switch (category) {
        case kCercaEdits:
            SearchEdits(run);
            break;
        default:
            break;
    }
    run.out.PrintSeparator();
    run.out.PrintLine("Fine Ricerca");
}

}  // namespace sillabor
