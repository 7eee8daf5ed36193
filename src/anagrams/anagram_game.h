#pragma once
// The "Anagr" page's game: anagrams of a phrase into dictionary words.

#include "anagrams/anagram_state.h"
#include "game/game.h"
#include "patterns/pattern_filter.h"

namespace sillabor {

class AnagramGame : public Game {
public:
    // `paroleFilters` are the "Parole" page's, applied when the page asks for them.
    explicit AnagramGame(WordFilters& paroleFilters) : paroleFilters_(paroleFilters) {}

    GameInfo Info() const override { return {"anagr", "Anagr", "Anagrammi", "Anagrammi.txt"}; }
    std::vector<std::string> HelpKeys() const override { return {"ANAGRAMMA"}; }
    // Option kAnagramSearch ("Genera") or kAnagramShowCandidates ("Mostra in.").
    int Run(GameContext& ctx, int option) override;

    AnagramPage page;
    AnagramState state;

private:
    WordFilters& paroleFilters_;
};

}  // namespace sillabor
