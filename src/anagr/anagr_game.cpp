#include "anagr/anagr_game.h"

#include "anagr/anagr_run.h"
#include "anagr/anagram_search.h"

namespace sillabor {

int AnagrGame::Run(GameContext& ctx, int option) {
    if (option != kAnagramSearch && option != kAnagramShowCandidates) return kNoSuchSearch;
    AnagrRun run{ctx.dict, ctx.out, ctx.state, ctx.random, page, state, paroleFilters_};
    return AnagramSearch(run, option);
}

}  // namespace sillabor
