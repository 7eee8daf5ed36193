#include "trova/trova_game.h"

#include "trova/trova_options.h"
#include "trova/trova_run.h"
#include "trova/trova_search.h"

namespace sillabor {

int TrovaGame::Run(GameContext& ctx, int option) {
    if (!IsTrovaSubOption(option)) return kNoSuchSearch;
    TrovaRun run{ctx.dict, ctx.out, ctx.state, ctx.random, state};
    return TrovaSearch(run, option);
}

}  // namespace sillabor
