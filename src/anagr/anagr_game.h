#pragma once
// The "Anagr" page's game: anagrams of a phrase into dictionary words.

#include <memory>

#include "anagr/anagr_request.h"
#include "anagr/anagr_state.h"
#include "game/game.h"
#include "game/search_job.h"

namespace sillabor {

class AnagrGame : public Game {
public:
    GameInfo Info() const override { return {"anagr", "Anagr", "Anagrammi", "Anagrammi.txt"}; }
    std::vector<std::string> HelpKeys() const override { return {"ANAGRAMMA"}; }
    // Option kAnagramSearch ("Genera") or kAnagramShowCandidates ("Mostra in."),
    // with the page's first values.
    int Run(GameContext& ctx, int option) override;
    // The search `option` of a request, checked here: its refusal when the
    // check refuses it. `result`, when given, receives what the page shows
    // after the search.
    SearchJob Job(const AnagrRequest& request, int option, std::shared_ptr<AnagrResult> result = nullptr);

    AnagrState state;
};

}  // namespace sillabor
