#pragma once
// The "Cerca" page's game: the word games built around one base word.

#include <memory>

#include "cerca/cerca_indexes.h"
#include "cerca/cerca_request.h"
#include "cerca/cerca_state.h"
#include "game/game.h"
#include "game/search_job.h"

namespace sillabor {

class CercaGame : public Game {
public:
    GameInfo Info() const override { return {"cerca", "Cerca", "Cercalo", "Cerca.txt"}; }
    // The help of the page's first category; the page asks for its chosen
    // category's with CercaHelpKeys.
    std::vector<std::string> HelpKeys() const override { return CercaHelpKeys(kCercaEdits); }
    // The option is the category, searched on the base and options of the
    // last search (the state's BaseWord is already normalised).
    int Run(GameContext& ctx, int option) override;
    // The search of a request, checked here: its refusal when the check
    // refuses it. The search writes what it gives back into `result` (when
    // there is one) before it ends.
    SearchJob Job(const CercaRequest& request, std::shared_ptr<CercaResult> result = nullptr);
    // The letter tree and the rhyme order.
    int IndexCount() const override { return 2; }
    void PrepareIndex(int index, const Dictionary& dict) override;

    CercaState state;
    // Built over the loaded dictionary when a search first needs them.
    CercaIndexes indexes;
};

}  // namespace sillabor
