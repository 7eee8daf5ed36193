#include "cern/cern_game.h"

namespace sillabor {

CernResult CernGame::BaseChanged(GameContext& ctx, const CernRequest& request) {
    CernResult result{SelectionOf(request.base), std::nullopt};
    if (request.mode == kCernComplete) {
        result.status = Complete(ctx, request);
    } else {
        PrintSelectionWords(ctx.dict, ctx.out, result.selection);
        result.status = std::string();
    }
    return result;
}

CernResult CernGame::GoalChanged(GameContext& ctx, const CernRequest& request) {
    return {SelectionOf(request.base), Complete(ctx, request)};
}

CernResult CernGame::ModeChosen(GameContext& ctx, const CernRequest& request) {
    return request.mode == kCernComplete ? GoalChanged(ctx, request) : BaseChanged(ctx, request);
}

std::optional<std::string> CernGame::Complete(GameContext& ctx, const CernRequest& request) {
    // A change may come before the page was ever shown on this dictionary.
    masks.Update(ctx.dict);
    const CompletionResult result =
        CompleteSelection(ctx.dict, masks, ctx.out, ctx.state, request.base, request.goal);
    if (result.refused) return std::nullopt;
    return StatusText(kStatusFoundMale, result.found, result.elapsedMs, 0, 0);
}

}  // namespace sillabor
