#include "metagr/metagr_game.h"

#include "dictionary/letter_count.h"
#include "metagr/ladder_search.h"

namespace sillabor {

MetagrRequest NormaliseMetagrWords(MetagrRequest request) {
    request.startWord = NormalizeWord(request.startWord, true, "");
    request.endWord = NormalizeWord(request.endWord, true, "");
    return request;
}

Checked<MetagrRequest> CheckMetagrRequest(const MetagrRequest& typed) {
    MetagrRequest request = NormaliseMetagrWords(typed);
    if (request.startWord == request.endWord) return Refusal{{"Le due parole sono uguali !"}};
    if (request.startWord.size() != request.endWord.size() && !request.addRemove)
        return Refusal{{"Le due parole hanno lunghezze diverse!", "Correggi, oppure usa l'opzione Scarto/Aggiunta"}};
    return request;
}

int MetagrGame::Run(GameContext& ctx, int option) {
    if (option != 0) return kNoSuchSearch;
    return Job(MetagrRequest{}).run(ctx);
}

SearchJob MetagrGame::Job(const MetagrRequest& request) {
    Checked<MetagrRequest> checked = CheckMetagrRequest(request);
    if (auto* refusal = std::get_if<Refusal>(&checked)) return RefusedJob(Id(), 0, std::move(*refusal));
    return {Id(), 0, [this, accepted = std::get<MetagrRequest>(checked)](GameContext& ctx) {
                MetagrRun run{ctx.dict, ctx.out, ctx.state, accepted, state, index_};
                return LadderSearch(run);
            }};
}

}  // namespace sillabor
