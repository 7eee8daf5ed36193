#pragma once
// The "Cerca" page's game: the word games built around one base word.

#include "cerca/cerca_indexes.h"
#include "cerca/cerca_state.h"
#include "game/game.h"

namespace sillabor {

class CercaGame : public Game {
public:
    GameInfo Info() const override { return {"cerca", "Cerca", "Cercalo", "Cerca.txt"}; }
    // The chosen category's section, then the games explained for categories 0 to 3.
    std::vector<std::string> HelpKeys() const override;
    // The option is the category; the record's BaseWord is already normalised.
    int Run(GameContext& ctx, int option) override;

    CercaState state;
    // Built over the loaded dictionary when a search first needs them.
    CercaIndexes indexes;
};

}  // namespace sillabor
