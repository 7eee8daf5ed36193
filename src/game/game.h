#pragma once
// A game: one page of the window, with its record and its search. Each game
// describes itself once; the window's tabs, the automatic-saving table, the
// dispatch of a search and the help are built from these descriptions.

#include <string>
#include <vector>

#include "game/game_context.h"

namespace sillabor {

// Game numbers: the page's position in the window.
enum GameId : int {
    kGameAnagrams = 0,
    kGameParole = 1,
    kGameCerca = 2,
    kGameTrova = 3,
    kGameLadder = 4,
    kGameCrypto = 5,
    kGameCurio = 6,
    kGameSelection = 7,
    kGameDictionary = 8,
};

// What RunGame returns for a game or an option that does not exist.
inline constexpr int kNoSuchSearch = 2;

struct GameInfo {
    int id;
    // The tab's caption and the page's name.
    const char* tabCaption;
    const char* pageName;
    // The page's file in Salvataggi/, or "" when the page saves nothing (its
    // automatic saving is then unavailable; otherwise it starts as "Non salvare").
    const char* saveFileName;
};

class Game {
public:
    virtual ~Game() = default;

    virtual GameInfo Info() const = 0;
    // The sections of the help file that "?" prints, in order, for the record's state.
    virtual std::vector<std::string> HelpKeys() const = 0;
    // Whether the search needs the word array in byte order (restored before it runs).
    virtual bool NeedsByteOrder(int /*option*/) const { return true; }
    // Runs the search for `option` on the game's record, printing through ctx.out.
    // 0 on success, 1 when it printed an error, kNoSuchSearch for an unknown option.
    virtual int Run(GameContext& ctx, int option) = 0;
};

}  // namespace sillabor
