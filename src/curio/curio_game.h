#pragma once
// The "Curio" page's game: thirty curiosities and statistics of the dictionary,
// each started by its own button; the option is the report's code.

#include "curio/curio_state.h"
#include "game/game.h"

namespace sillabor {

class CurioGame : public Game {
public:
    GameInfo Info() const override { return {"curio", "Curio", "Info", "Curio.txt"}; }
    std::vector<std::string> HelpKeys() const override { return {"CURIO"}; }
    // The reports that look words up, or list the words in alphabetical order.
    bool NeedsByteOrder(int option) const override;
    // Runs report `option` (1..30).
    int Run(GameContext& ctx, int option) override;

    CurioState state;
};

}  // namespace sillabor
