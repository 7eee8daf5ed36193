#include "ladder/ladder_game.h"

#include "dictionary/letter_count.h"
#include "ladder/ladder_search.h"

namespace sillabor {

LadderRequest NormaliseLadderWords(LadderRequest request) {
    request.startWord = NormalizeWord(request.startWord, true, "");
    request.endWord = NormalizeWord(request.endWord, true, "");
    return request;
}

Checked<LadderRequest> CheckLadderRequest(const LadderRequest& typed) {
    LadderRequest request = NormaliseLadderWords(typed);
    if (request.startWord == request.endWord) return Refusal{{"Le due parole sono uguali !"}};
    if (request.startWord.size() != request.endWord.size() && !request.addRemove)
        return Refusal{{"Le due parole hanno lunghezze diverse!", "Correggi, oppure usa l'opzione Scarto/Aggiunta"}};
    return request;
}

int LadderGame::Run(GameContext& ctx, int option) {
    if (option != 0) return kNoSuchSearch;
    return Job(LadderRequest{}).run(ctx);
}

SearchJob LadderGame::Job(const LadderRequest& request) {
    Checked<LadderRequest> checked = CheckLadderRequest(request);
    if (auto* refusal = std::get_if<Refusal>(&checked)) return RefusedJob(Id(), 0, std::move(*refusal));
    return {Id(), 0, [this, accepted = std::get<LadderRequest>(checked)](GameContext& ctx) {
                LadderRun run{ctx.dict, ctx.out, ctx.state, accepted, state, index_};
                return LadderSearch(run);
            }};
}

}  // namespace sillabor
