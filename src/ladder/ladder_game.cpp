#include "ladder/ladder_game.h"

#include "dictionary/letter_count.h"
#include "ladder/ladder_search.h"

namespace sillabor {

void NormaliseLadderWords(LadderPage& page) {
    page.MetaDa = NormalizeWord(page.MetaDa, true, "");
    page.MetaA = NormalizeWord(page.MetaA, true, "");
}

int LadderGame::Run(GameContext& ctx, int option) {
    if (option != 0) return kNoSuchSearch;
    LadderRun run{ctx.dict, ctx.out, ctx.state, page, state, index_};
    return LadderSearch(run);
}

}  // namespace sillabor
