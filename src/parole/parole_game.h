#pragma once
// The "Parole" page's game: the dictionary words that pass one or two patterns
// and the page's other filters.

#include <memory>
#include <optional>

#include "game/game.h"
#include "game/search_job.h"
#include "patterns/parole_request.h"

namespace sillabor {

// What a search gives back to the page: its fields' texts as the filter read
// them, which the page shows after the search.
struct ParoleResult {
    std::optional<ParoleRequest> fields;
};

// The page's check: the request's compiled filter, or the page's message.
Checked<PatternFilter> CheckParoleRequest(const ParoleRequest& request);

class ParoleGame : public Game {
public:
    GameInfo Info() const override { return {"parole", "Parole", "Parole", "Parole.txt"}; }
    std::vector<std::string> HelpKeys() const override { return {"PAROLE"}; }
    // Option 0, with the page's first values.
    int Run(GameContext& ctx, int option) override;
    // The search of a request, closed by a separator and "Fine Ricerca" even
    // when the check refuses it; `result`, when given, receives the fields'
    // normalised texts.
    SearchJob Job(const ParoleRequest& request, std::shared_ptr<ParoleResult> result = nullptr);
};

}  // namespace sillabor
