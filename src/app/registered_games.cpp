// The games of the workbench, in the order of the window's tabs. A new page
// adds its include and one line here.

#include <memory>

#include "anagr/anagr_game.h"
#include "app/app.h"
#include "cerca/cerca_game.h"
#include "decrit/decrit_game.h"
#include "curio/curio_game.h"
#include "dizio/dizio_game.h"
#include "metagr/metagr_game.h"
#include "parole/parole_game.h"
#include "cern/cern_game.h"
#include "trova/trova_game.h"

namespace sillabor {

void RegisterGames(GameRegistry& games) {
    // The anagram search filters with the "Parole" page's patterns.
    auto parole = std::make_unique<ParoleGame>();
    games.Register<AnagrGame>(parole->filters);
    games.Add(std::move(parole));
    games.Register<CercaGame>();
    games.Register<TrovaGame>();
    games.Register<MetagrGame>();
    games.Register<DecritGame>();
    games.Register<CurioGame>();
    games.Register<CernGame>();
    games.Register<DizioGame>();
}

}  // namespace sillabor
