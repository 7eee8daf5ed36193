#pragma once
// The "Cern" page's game. It starts no search: the page asks it on the window
// thread at every keystroke, so Run knows no option; the game still describes
// the page and its help, and owns the parity masks.

#include <optional>
#include <string>

#include "cern/cern_request.h"
#include "cern/cernita.h"
#include "game/game.h"

namespace sillabor {

class CernGame : public Game {
public:
    GameInfo Info() const override { return {"cern", "Cern", "Cernite", ""}; }
    std::vector<std::string> HelpKeys() const override { return {"CERNITA"}; }
    int Run(GameContext& /*ctx*/, int /*option*/) override { return kNoSuchSearch; }

    // The page is shown: the masks are brought up to date with the dictionary.
    void PageShown(const Dictionary& dict) { masks.Update(dict); }
    // The base has changed: its selection; in the first mode the words of its
    // anagram class, in the second the completion.
    CernResult BaseChanged(GameContext& ctx, const CernRequest& request);
    // The goal has changed: the completion.
    CernResult GoalChanged(GameContext& ctx, const CernRequest& request);
    // A mode has been chosen: what it shows for the request.
    CernResult ModeChosen(GameContext& ctx, const CernRequest& request);

    CernMasks masks;

private:
    std::optional<std::string> Complete(GameContext& ctx, const CernRequest& request);
};

}  // namespace sillabor
