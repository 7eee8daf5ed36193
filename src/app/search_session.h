#pragma once
// One search from its start to its end, as every front end runs it: the clock,
// the output, automatic saving, the time limit, the dispatch with its
// exception catch, the closing lines of a stopped search and the status text.
// A front end calls Begin and Finish on its own thread and Run on whichever
// thread searches, and shows what the session reports. A front end that stays
// open between searches may also have the indexes the searches derive from the
// dictionary built in the background (PrepareIndexes).

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "app/index_preparer.h"
#include "game/search_job.h"

namespace sillabor {

class App;
class StopTimer;

// The status text of a search that waits for its indexes.
inline constexpr const char* kPreparingIndexes = "Preparo gli indici...";

// A stand-in for RunGame, given by a test.
using GameRunner = std::function<int(App&, int game, int option)>;

// How a search starts.
struct SearchStart {
    // The output area is emptied first (the first load of the window keeps
    // the lines printed before it).
    bool clearOutput = true;
    // Results are also saved into this file, appended when `appendToSave`.
    std::optional<std::filesystem::path> saveFile;
    bool appendToSave = false;
    // "Stop !" is pressed after this long.
    std::optional<std::chrono::milliseconds> timeLimit;
};

// How a search ended.
struct SearchEnd {
    // The game's status: 0 success, 1 it printed an error, kNoSuchSearch.
    int status = 0;
    // "Stop !" ended it early ("RICERCA INTERROTTA" has been printed).
    bool stopped = false;
    // The status text at its end.
    std::string statusText;
};

class SearchSession {
public:
    explicit SearchSession(App& app);
    ~SearchSession();
    SearchSession(const SearchSession&) = delete;
    SearchSession& operator=(const SearchSession&) = delete;

    // Front end's thread: starts the clock, empties the output, opens the
    // saving and the time limit for the search `job`.
    void Begin(SearchJob job, const SearchStart& start = {});
    void Begin(int game, int option, const SearchStart& start = {}) { Begin(SearchJob{game, option, {}}, start); }
    // Search thread: runs the job (RunGame, unless SetRunner gave a stand-in,
    // which is given the job's game and option).
    // An exception that leaves the runner becomes one printed line and ends
    // the search. Returns the game's status.
    int Run();
    void SetRunner(GameRunner runner) { runner_ = std::move(runner); }
    // Front end's thread, once Run has returned: the closing lines of a
    // stopped search, the end of saving, the final status text; the status
    // mode and the stop flag are reset for the next search.
    SearchEnd Finish();

    // Front end's thread, while no search runs (after a load, and after each
    // search, to carry on with what a search interrupted): builds the indexes
    // the searches derive from the dictionary on a thread of the session's
    // own. A search started meanwhile first waits for its own game's indexes
    // and stops the rest, showing kPreparingIndexes; "Stop !" ends the wait,
    // and the search with it. The command line does without: each command
    // builds only what its one search needs.
    void PrepareIndexes() { preparer_.Start(); }
    bool PreparingIndexes() const { return preparer_.Running(); }

    // Asks the running search to stop ("Stop !").
    void Stop();
    // The status text now, from either thread.
    std::string StatusText() const;
    int64_t ElapsedMs() const;
    int GameId() const { return job_.game; }

private:
    App& app_;
    SearchJob job_;
    int status_ = 0;
    std::chrono::steady_clock::time_point started_ = std::chrono::steady_clock::now();
    std::unique_ptr<StopTimer> timer_;
    GameRunner runner_;
    IndexPreparer preparer_;
};

}  // namespace sillabor
