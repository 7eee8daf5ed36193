#include "decrit/decrit_game.h"

#include "decrit/coppie_search.h"
#include "decrit/cryptogram_solver.h"

namespace sillabor {

int DecritGame::Run(GameContext& ctx, int option) {
    DecritRequest request;
    request.search = option;
    return Job(request, nullptr).run(ctx);
}

SearchJob DecritGame::Job(const DecritRequest& request, std::shared_ptr<DecritResult> result) {
    switch (request.search) {
        case kDecrittaSearch:
            return {Id(), kDecrittaSearch,
                    [this, checked = CheckDecritRequest(request), shown = CryptogramLines(request.cryptogram),
                     result = std::move(result)](GameContext& ctx) {
                        // The page shows the text as the solver read it, even when it refused it.
                        if (result) result->cryptogram = shown;
                        DecritRun run{ctx.dict, ctx.out, ctx.state, state};
                        return DecrittaSearch(run, checked);
                    }};
        case kCoppieSearch:
            return {Id(), kCoppieSearch, [this, boxes = request.boxes](GameContext& ctx) {
                        DecritRun run{ctx.dict, ctx.out, ctx.state, state};
                        return CoppieSearch(run, boxes);
                    }};
        default:
            return {Id(), request.search, [](GameContext&) { return kNoSuchSearch; }};
    }
}

}  // namespace sillabor
