#include "search/dictionary_game.h"

#include "dictionary/dictionary_builder.h"
#include "dictionary/dictionary_export.h"
#include "dictionary/dictionary_loader.h"
#include "search/workbench.h"

namespace sillabor {

int DictionaryGame(Workbench& wb, int option) {
    const std::string requested = wb.dict.DictionaryName;
    int status = 0;
    switch (option) {
        case kDictionaryBuildAndLoad:
            if (BuildDictionary(wb, requested) != 0) {
                status = 1;
                if (wb.fatal) return 1;
                wb.out.PrintLine("Carico il dizionario Default");
                wb.dict.DictionaryName = kDefaultDictionary;
            }
            [[fallthrough]];
        case kDictionaryLoad:
            if (LoadDictionary(wb) != 0) return 1;
            return (status != 0 || wb.dict.DictionaryName != requested) ? 1 : 0;
        case kDictionaryExport:
            if (!wb.dict.IsLoaded()) return 1;
            return ExportDictionary(wb);
        default:
            return 1;
    }
}

}  // namespace sillabor
