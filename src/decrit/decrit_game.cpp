#include "decrit/decrit_game.h"

#include "decrit/coppie_search.h"
#include "decrit/cryptogram_solver.h"

namespace sillabor {

std::vector<std::string> DecritGame::HelpKeys() const { return {page.RadioCri ? "CRITTA" : "DECRITTA"}; }

int DecritGame::Run(GameContext& ctx, int option) {
    DecritRun run{ctx.dict, ctx.out, ctx.state, page, state};
    switch (option) {
        case kDecrittaSearch:
            return DecrittaSearch(run);
        case kCoppieSearch:
            return CoppieSearch(run);
        default:
            return kNoSuchSearch;
    }
}

}  // namespace sillabor
