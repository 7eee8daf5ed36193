#pragma once
// The dispatch of a search by game number, as the search thread runs it.

namespace sillabor {

class Workbench;

enum GameNumber : int {
    kGameAnagrams = 0,
    kGameCerca = 2,
    kGameTrova = 3,
    kGameLadder = 4,
    kGameCrypto = 5,
    kGameCurio = 6,
    kGameDictionary = 8,
};

// True when the game works on the byte order of the word array.
bool GameNeedsByteOrder(int game, int option);

// Reseeds the random source, clears the stop flag and the count, restores byte
// order when the game needs it, and runs the game. Returns the game's status:
// 0 success, 1 when it printed an error, 2 for a game that does not exist.
int RunGame(Workbench& wb, int game, int option);

}  // namespace sillabor
