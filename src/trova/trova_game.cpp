#include "trova/trova_game.h"

#include "trova/trova_run.h"
#include "trova/trova_search.h"
#include "trova/word_endings.h"
#include "trova/word_hash.h"

namespace sillabor {

int TrovaGame::Run(GameContext& ctx, int option) {
    TrovaRequest request;
    request.game = option;
    SearchJob job = Job(request);
    return job.run(ctx);
}

void TrovaGame::PrepareIndexFile(int file, const Dictionary& dict) {
    if (file < 2)
        WordHash::PrepareFile(dict, file);
    else
        WordEndings::PrepareFile(dict);
}

SearchJob TrovaGame::Job(const TrovaRequest& request) {
    Checked<TrovaRequest> checked = CheckTrovaRequest(request);
    if (auto* refusal = std::get_if<Refusal>(&checked)) return RefusedJob(Id(), request.game, std::move(*refusal));
    return {Id(), request.game, [this, accepted = std::get<TrovaRequest>(checked)](GameContext& ctx) {
                if (!IsTrovaSubOption(accepted.game)) return kNoSuchSearch;
                TrovaRun run{ctx.dict, ctx.out, ctx.state, ctx.random, state};
                return TrovaSearch(run, accepted);
            }};
}

}  // namespace sillabor
