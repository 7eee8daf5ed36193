// The games of the workbench. A new page adds its include and one line here.

#include "anagrams/anagram_game.h"
#include "app/app.h"
#include "cerca/cerca_game.h"
#include "crypto/crypto_game.h"
#include "curio/curio_game.h"
#include "dizio/dizio_game.h"
#include "ladder/ladder_game.h"
#include "parole/parole_game.h"
#include "selection/selection_game.h"
#include "trova/trova_game.h"

namespace sillabor {

void RegisterGames(App& app) {
    ParoleGame& parole = app.Register<ParoleGame>();
    app.Register<AnagramGame>(parole.filters);
    app.Register<CercaGame>();
    app.Register<TrovaGame>();
    app.Register<LadderGame>();
    app.Register<CurioGame>();
    app.Register<SelectionGame>();
    app.Register<CryptoGame>();
    app.Register<DizioGame>();
}

}  // namespace sillabor
