#include "anagrams/anagram_game.h"

#include "anagrams/anagram_run.h"
#include "anagrams/anagram_search.h"

namespace sillabor {

int AnagramGame::Run(GameContext& ctx, int option) {
    if (option != kAnagramSearch && option != kAnagramShowCandidates) return kNoSuchSearch;
    AnagramRun run{ctx.dict, ctx.out, ctx.state, ctx.random, page, state, paroleFilters_};
    return AnagramSearch(run, option);
}

}  // namespace sillabor
