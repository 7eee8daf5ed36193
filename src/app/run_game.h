#pragma once
// The dispatch of a search by game number, as the search thread runs it.

namespace sillabor {

class App;

// Reseeds the random source, clears the stop flag and the count, restores byte
// order when the game needs it, and runs the game. An exception thrown by the
// game (running out of memory included) becomes one printed line and ends the
// search. Returns the game's status: 0 success, 1 when it printed an error,
// kNoSuchSearch for a game or option that does not exist.
int RunGame(App& app, int game, int option);

}  // namespace sillabor
