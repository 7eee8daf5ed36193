// The pages of the window, in the order of their tabs. A new page adds its
// include and one line here; the window checks the list against the games.

#include "shell/page_list.h"

#include "anagrams/anagram_game.h"
#include "app/app.h"
#include "cerca/cerca_game.h"
#include "crypto/crypto_game.h"
#include "curio/curio_game.h"
#include "dizio/dizio_game.h"
#include "ladder/ladder_game.h"
#include "parole/parole_game.h"
#include "selection/selection_game.h"
#include "shell/anagr_page.h"
#include "shell/cerca_page.h"
#include "shell/cern_page.h"
#include "shell/curio_page.h"
#include "shell/decrit_page.h"
#include "shell/dizio_page.h"
#include "shell/metagr_page.h"
#include "shell/parole_page.h"
#include "shell/trova_page.h"
#include "trova/trova_game.h"

namespace sillabor::shell {

std::vector<GamePage*> MakePages(App& app) {
    return {
        new TAnagrPage(app, app.Get<AnagramGame>()),
        new TParolePage(app, app.Get<ParoleGame>()),
        new CercaPage(app, app.Get<CercaGame>()),
        new TrovaPage(app, app.Get<TrovaGame>()),
        new MetagrPage(app, app.Get<LadderGame>()),
        new TDecritPage(app, app.Get<CryptoGame>()),
        new CurioPage(app, app.Get<CurioGame>()),
        new TCernPage(app, app.Get<SelectionGame>()),
        new DizioPage(app, app.Get<DizioGame>()),
    };
}

}  // namespace sillabor::shell
