#include "cerca/cerca_game.h"

#include "cerca/cerca_run.h"
#include "cerca/cerca_search.h"

namespace sillabor {

std::vector<std::string> CercaGame::HelpKeys() const {
    const int category = state.page.Categoria;
    std::vector<std::string> keys{"CERCA" + std::to_string(category)};
    if (category >= kCercaEdits && category <= kCercaPadlocks) keys.push_back("SpiegaGiochi");
    return keys;
}

int CercaGame::Run(GameContext& ctx, int option) {
    if (!CercaCategoryBuilt(option)) return kNoSuchSearch;
    CercaRun run{ctx.dict, ctx.out, ctx.state, ctx.random, ctx.top, state, indexes};
    CercaSearch(run, option);
    return 0;
}

}  // namespace sillabor
