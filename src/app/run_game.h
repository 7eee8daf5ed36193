#pragma once
// The dispatch of a search by game number, as the search thread runs it.

#include "app/app.h"
#include "game/search_job.h"

namespace sillabor {

// Reseeds the random source, clears the stop flag and the count, restores byte
// order when the game needs it, and runs the game. An exception thrown by the
// game (running out of memory included) becomes one printed line and ends the
// search. Returns the game's status: 0 success, 1 when it printed an error,
// kNoSuchSearch for a game or option that does not exist.
int RunGame(App& app, int game, int option);
// The same for a job: its bound search when it has one, else its game's Run.
int RunGame(App& app, const SearchJob& job);

// The same for the registered game of type G.
template <typename G>
int RunGame(App& app, int option) {
    return RunGame(app, app.Get<G>().Id(), option);
}

}  // namespace sillabor
