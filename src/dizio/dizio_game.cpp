#include "dizio/dizio_game.h"

#include "dictionary/dictionary_builder.h"

namespace sillabor {

int DizioGame::Scan(GameContext& ctx) {
    DictionaryJob job = ctx.Job();
    return ScanDictionaries(job, dictionaries);
}

int DizioGame::Run(GameContext& ctx, int option) {
    DictionaryJob job = ctx.Job(&buildOptions);
    const std::string requested = ctx.dict.DictionaryName;
    int status = 0;
    switch (option) {
        case kDictionaryBuildAndLoad:
            if (BuildDictionary(job, requested) != 0) {
                status = 1;
                if (ctx.events.IsFatal()) return 1;
                ctx.out.PrintLine("Carico il dizionario Default");
                ctx.dict.DictionaryName = kDefaultDictionary;
            }
            [[fallthrough]];
        case kDictionaryLoad:
            if (LoadDictionary(job) != 0) return 1;
            return (status != 0 || ctx.dict.DictionaryName != requested) ? 1 : 0;
        case kDictionaryExport:
            if (!ctx.dict.IsLoaded()) return 1;
            return ExportDictionary(job, exportOrder);
        default:
            return kNoSuchSearch;
    }
}

}  // namespace sillabor
