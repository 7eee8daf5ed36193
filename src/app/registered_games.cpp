// The games of the workbench, in the order of the window's tabs. A new page
// adds its include and one line here.

#include <memory>

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

void RegisterGames(GameRegistry& games) {
    // The anagram search filters with the "Parole" page's patterns.
    auto parole = std::make_unique<ParoleGame>();
    games.Register<AnagramGame>(parole->filters);
    games.Add(std::move(parole));
    games.Register<CercaGame>();
    games.Register<TrovaGame>();
    games.Register<LadderGame>();
    games.Register<CryptoGame>();
    games.Register<CurioGame>();
    games.Register<SelectionGame>();
    games.Register<DizioGame>();
}

}  // namespace sillabor
