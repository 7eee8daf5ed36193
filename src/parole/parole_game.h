#pragma once
// The "Parole" page's game: the dictionary words that pass one or two patterns
// and the page's other filters.

#include "game/game.h"
#include "patterns/pattern_filter.h"

namespace sillabor {

class ParoleGame : public Game {
public:
    GameInfo Info() const override { return {"parole", "Parole", "Parole", "Parole.txt"}; }
    std::vector<std::string> HelpKeys() const override { return {"PAROLE"}; }
    // Option 0: the search, closed by a separator and "Fine Ricerca".
    int Run(GameContext& ctx, int option) override;

    // The page's controls and filters; the anagram search applies them too.
    WordFilters filters;
};

}  // namespace sillabor
