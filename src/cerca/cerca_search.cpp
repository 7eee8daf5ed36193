#include "cerca/cerca_search.h"

#include "cerca/category0.h"
#include "patterns/parole_search.h"
#include "search/workbench.h"

namespace sillabor {

bool CercaCategoryBuilt(int option) { return option == kCercaEdits || option == kCercaParole; }

int CercaSearch(Workbench& wb, int option) {
    if (!CercaCategoryBuilt(option)) return kCercaCategoryNotBuilt;
    wb.cerca.Category = option;
    int status = 0;
    switch (option) {
        case kCercaEdits:
            SearchEdits(wb);
            break;
        case kCercaParole:
            status = ParoleSearch(wb);
            break;
        default:
            break;
    }
    wb.out.PrintSeparator();
    wb.out.PrintLine("Fine Ricerca");
    return status;
}

}  // namespace sillabor
