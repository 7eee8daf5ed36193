#pragma once
// The "Decrit" page's game: cryptograms solved ("Decritta") and made ("Critta").

#include <memory>

#include "decrit/decrit_request.h"
#include "decrit/decrit_state.h"
#include "game/game.h"
#include "game/search_job.h"

namespace sillabor {

class DecritGame : public Game {
public:
    GameInfo Info() const override { return {"decrit", "Decrit", "Numeri", ""}; }
    // The solver's section; MakerHelpKeys() the maker's, for the "Critta" mode.
    std::vector<std::string> HelpKeys() const override { return {"DECRITTA"}; }
    std::vector<std::string> MakerHelpKeys() const { return {"CRITTA"}; }
    // The solver sorts the words by length itself; "Coppie?" looks words up.
    bool NeedsByteOrder(int option) const override { return option != kDecrittaSearch; }
    // kDecrittaSearch or kCoppieSearch, on an empty text and the boxes A = A.
    int Run(GameContext& ctx, int option) override;
    // The search of a request, checked here; the solver leaves the cryptogram
    // one word a line in `result` (which may be null), refused or not.
    SearchJob Job(const DecritRequest& request, std::shared_ptr<DecritResult> result);

    DecritState state;
};

}  // namespace sillabor
