// The pages of the window, in the order of their tabs. A new page adds its
// include and one line here; the window checks the list against the games.

#include "shell/page_list.h"

#include "anagr/anagr_game.h"
#include "app/app.h"
#include "cerca/cerca_game.h"
#include "decrit/decrit_game.h"
#include "curio/curio_game.h"
#include "dizio/dizio_game.h"
#include "metagr/metagr_game.h"
#include "parole/parole_game.h"
#include "cern/cern_game.h"
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
    // The anagram page imposes the filters of the "Parole" page.
    auto* parole = new ParolePage(app, app.Get<ParoleGame>());
    return {
        new AnagrPage(app, app.Get<AnagrGame>(), *parole),
        parole,
        new CercaPage(app, app.Get<CercaGame>()),
        new TrovaPage(app, app.Get<TrovaGame>()),
        new MetagrPage(app, app.Get<MetagrGame>()),
        new DecritPage(app, app.Get<DecritGame>()),
        new CurioPage(app, app.Get<CurioGame>()),
        new CernPage(app, app.Get<CernGame>()),
        new DizioPage(app, app.Get<DizioGame>()),
    };
}

}  // namespace sillabor::shell
