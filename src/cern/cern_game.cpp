#include "cern/cern_game.h"

namespace sillabor {

CernShown CernGame::BaseChanged(GameContext& ctx) {
    CernShown shown{SelectionOf(page.cernIn), std::nullopt};
    if (page.RadioCern == kCernComplete) {
        shown.status = Complete(ctx);
    } else {
        PrintSelectionWords(ctx.dict, ctx.out, shown.cernOut);
        shown.status = std::string();
    }
    return shown;
}

CernShown CernGame::GoalChanged(GameContext& ctx) { return {SelectionOf(page.cernIn), Complete(ctx)}; }

CernShown CernGame::ModeChosen(GameContext& ctx) {
    return page.RadioCern == kCernComplete ? GoalChanged(ctx) : BaseChanged(ctx);
}

std::optional<std::string> CernGame::Complete(GameContext& ctx) {
    // A handler may come before the page was ever shown on this dictionary.
    masks.Update(ctx.dict);
    const CompletionResult result = CompleteSelection(ctx.dict, masks, ctx.out, ctx.state, page.cernIn, page.cernGoal);
    if (result.refused) return std::nullopt;
    return StatusText(kStatusFoundMale, result.found, result.elapsedMs, 0, 0);
}

}  // namespace sillabor
