#pragma once
// The "Metagr" page's game: word ladders between two words.

#include "game/game.h"
#include "ladder/ladder_state.h"
#include "ladder/neighbour_index.h"

namespace sillabor {

class LadderGame : public Game {
public:
    GameInfo Info() const override { return {kGameLadder, "Metagr", "Metagram", "Metagr.txt"}; }
    std::vector<std::string> HelpKeys() const override { return {"METAGRAMMI"}; }
    // Option 0, the only one: the ladder between the page's two words.
    int Run(GameContext& ctx, int option) override;

    LadderPage page;
    LadderState state;

private:
    // Built at the first search on a dictionary and kept while it stays loaded.
    NeighbourIndex index_;
};

}  // namespace sillabor
