#pragma once
// The "Decrit" page's game: cryptograms solved ("Decritta") and made ("Critta").

#include "decrit/decrit_state.h"
#include "game/game.h"

namespace sillabor {

class DecritGame : public Game {
public:
    GameInfo Info() const override { return {"decrit", "Decrit", "Numeri", ""}; }
    // The maker's section in "Critta" mode, the solver's otherwise.
    std::vector<std::string> HelpKeys() const override;
    // The solver sorts the words by length itself; "Coppie?" looks words up.
    bool NeedsByteOrder(int option) const override { return option != kDecrittaSearch; }
    // kDecrittaSearch or kCoppieSearch.
    int Run(GameContext& ctx, int option) override;

    DecritControls page;
    DecritState state;
};

}  // namespace sillabor
