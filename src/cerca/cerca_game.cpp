#include "cerca/cerca_game.h"

#include <utility>

#include "cerca/cerca_run.h"
#include "cerca/cerca_search.h"

namespace sillabor {

void CercaState::Start(const CercaRequest& accepted) {
    Category = accepted.category;
    BaseWord = accepted.base;
    JokerCount = accepted.jokers;
    UseDiagonals = accepted.diagonals;
    ReuseLetters = accepted.reuseLetters;
    GridMode = accepted.gridMode;
}

int CercaGame::Run(GameContext& ctx, int option) {
    if (!CercaCategoryBuilt(option)) return kNoSuchSearch;
    CercaResult result;
    CercaRun run{ctx.dict, ctx.out, ctx.state, ctx.random, ctx.top, state, indexes, result};
    CercaSearch(run, option);
    return 0;
}

void CercaGame::PrepareIndex(int index, const Dictionary& dict) {
    if (index == 0)
        indexes.Trie(dict);
    else
        indexes.Suffixes(dict);
}

SearchJob CercaGame::Job(const CercaRequest& request, std::shared_ptr<CercaResult> result) {
    Checked<CercaRequest> checked = CheckCercaRequest(request);
    if (auto* refusal = std::get_if<Refusal>(&checked)) return RefusedJob(Id(), request.category, std::move(*refusal));
    return {Id(), request.category,
            [this, accepted = std::get<CercaRequest>(checked), result = std::move(result)](GameContext& ctx) {
                if (!CercaCategoryBuilt(accepted.category)) return kNoSuchSearch;
                state.Start(accepted);
                CercaResult given;
                CercaRun run{ctx.dict, ctx.out, ctx.state, ctx.random, ctx.top, state, indexes, given};
                CercaSearch(run, accepted.category);
                if (result) *result = std::move(given);
                return 0;
            }};
}

}  // namespace sillabor
