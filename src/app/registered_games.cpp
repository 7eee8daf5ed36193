// The games of the workbench, in the order of the window's tabs. A new page
// adds its include and one line here.

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
    games.Register<AnagrGame>();
    games.Register<ParoleGame>();
    games.Register<CercaGame>();
    games.Register<TrovaGame>();
    games.Register<MetagrGame>();
    games.Register<DecritGame>();
    games.Register<CurioGame>();
    games.Register<CernGame>();
    games.Register<DizioGame>();
}

}  // namespace sillabor
