#include "parole/parole_game.h"

#include "parole/parole_search.h"

namespace sillabor {

int ParoleGame::Run(GameContext& ctx, int option) {
    if (option != 0) return kNoSuchSearch;
    const int status = ParoleSearch(ctx, filters);
    ctx.out.PrintSeparator();
    ctx.out.PrintLine("Fine Ricerca");
    return status;
}

}  // namespace sillabor
