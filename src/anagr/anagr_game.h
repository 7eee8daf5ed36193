#pragma once
// The "Anagr" page's game: anagrams of a phrase into dictionary words.

#include "anagr/anagr_state.h"
#include "game/game.h"
#include "patterns/pattern_filter.h"

namespace sillabor {

class AnagrGame : public Game {
public:
    // `paroleFilters` are the "Parole" page's, applied when the page asks for them.
    explicit AnagrGame(WordFilters& paroleFilters) : paroleFilters_(paroleFilters) {}

    GameInfo Info() const override { return {"anagr", "Anagr", "Anagrammi", "Anagrammi.txt"}; }
    std::vector<std::string> HelpKeys() const override { return {"ANAGRAMMA"}; }
    // Option kAnagramSearch ("Genera") or kAnagramShowCandidates ("Mostra in.").
    int Run(GameContext& ctx, int option) override;

    AnagrControls page;
    AnagrState state;

private:
    WordFilters& paroleFilters_;
};

}  // namespace sillabor
