#include "dizio/dizio_game.h"

#include "dictionary/build_options.h"
#include "dictionary/dictionary_builder.h"

namespace sillabor {

int DizioGame::Scan(GameContext& ctx) {
    DictionaryJob job = ctx.Job();
    return ScanDictionaries(job, dictionaries);
}

int DizioGame::Run(GameContext& ctx, int option) {
    DizioRequest request;
    request.action = option;
    return Perform(ctx, request);
}

SearchJob DizioGame::Job(const DizioRequest& request) {
    return {Id(), request.action, [this, request](GameContext& ctx) { return Perform(ctx, request); }};
}

int DizioGame::Perform(GameContext& ctx, const DizioRequest& request) {
    // The builder clears the options when it reads an exclusion list.
    int buildOptions = (request.skipCapitalised ? kBuildSkipCapitalised : 0) |
                       (request.skipBeforeApostrophe ? kBuildSkipBeforeApostrophe : 0) |
                       (request.skipHyphenated ? kBuildSkipHyphenated : 0);
    DictionaryJob job = ctx.Job(&buildOptions);
    if (!request.dictionary.empty() && (request.action == kDictionaryBuildAndLoad || request.action == kDictionaryLoad))
        ctx.dict.DictionaryName = request.dictionary;
    const std::string requested = ctx.dict.DictionaryName;
    int status = 0;
    switch (request.action) {
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
            return ExportDictionary(job, request.exportOrder);
        default:
            return kNoSuchSearch;
    }
}

}  // namespace sillabor
