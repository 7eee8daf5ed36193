#pragma once
// The "Cern" page's game. It starts no search: its handlers run on the window
// thread at every keystroke, so Run knows no option; the game still describes
// the page and its help, and owns the page's record and parity masks.

#include <optional>
#include <string>

#include "game/game.h"
#include "cern/cern_controls.h"
#include "cern/cernita.h"

namespace sillabor {

// What the page shows after a handler: the selection, and the text for the
// first status-bar panel (none: leave the panel as it is).
struct CernShown {
    std::string cernOut;
    std::optional<std::string> status;
};

class CernGame : public Game {
public:
    GameInfo Info() const override { return {"cern", "Cern", "Cernite", ""}; }
    std::vector<std::string> HelpKeys() const override { return {"CERNITA"}; }
    int Run(GameContext& /*ctx*/, int /*option*/) override { return kNoSuchSearch; }

    // The page is shown: the masks are brought up to date with the dictionary.
    void PageShown(const Dictionary& dict) { masks.Update(dict); }
    // cernInChange: the selection of the base; in the first mode the words of
    // its anagram class, in the second the completion.
    CernShown BaseChanged(GameContext& ctx);
    // cernGoalChange: the completion.
    CernShown GoalChanged(GameContext& ctx);
    // RadioCernClick: what the chosen mode shows for the page as it is.
    CernShown ModeChosen(GameContext& ctx);

    CernControls page;
    CernMasks masks;

private:
    std::optional<std::string> Complete(GameContext& ctx);
};

}  // namespace sillabor
