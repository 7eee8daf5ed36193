#pragma once
// The "Trova" page's game: lists of word games drawn from the whole dictionary.

#include "game/game.h"
#include "trova/trova_state.h"

namespace sillabor {

class TrovaGame : public Game {
public:
    GameInfo Info() const override { return {kGameTrova, "Trova", "Crealo", "Trova.txt"}; }
    std::vector<std::string> HelpKeys() const override { return {"CREA", "SpiegaGiochi"}; }
    // The option is the item of CreaQuale (0-9) or a button's sub-option (100-105).
    int Run(GameContext& ctx, int option) override;

    TrovaState state;
};

}  // namespace sillabor
