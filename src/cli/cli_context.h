#pragma once
// What every command of sillabor-cli shares: the global options, the
// application object, and the way a page's search is run and reported.

#include <functional>
#include <cstdint>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "app/app.h"
#include "app/search_session.h"
#include "cli/progress_ticker.h"
#include "cli/stream_sink.h"

namespace sillabor::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitError = 1;
inline constexpr int kExitUsage = 2;

// What a host that runs many command lines in one process (the web page's
// module) keeps from one to the next: the application, with the dictionary
// it loaded and the indexes its searches built, so that a search does not
// load the dictionary again.
struct KeptApp {
    std::unique_ptr<App> app;
    // The dictionary the last page command loaded without a fault; "" when
    // the words in memory may no longer be those of its files (any other
    // command ran since, or the host changed the files).
    std::string trustedDictionary;
    void Forget() {
        app.reset();
        trustedDictionary.clear();
    }
};

class CliContext {
public:
    // With `kept`, the application comes from it and stays in it.
    CliContext(std::ostream& out, std::ostream& err, GameList games = RegisterGames, KeptApp* kept = nullptr);
    ~CliContext();

    // Global options.
    std::string folder = ".";
    std::string dictionary = "Default";
    std::optional<uint32_t> seed;
    // Which streams are terminals: a progress line on stderr needs one.
    bool outIsTerminal = false;
    bool errIsTerminal = false;
    // Seconds after which a search is stopped as by "Stop !".
    std::optional<double> timeLimit;

    std::ostream& out;
    std::ostream& err;

    // Makes the application for the folder and seed. Call once options are parsed.
    App& MakeApp();
    App& app() { return *app_; }

    // Scans the dictionaries and loads the chosen one. The load's lines go to
    // stdout when `linesAreResult`, to stderr otherwise. 0 on success. A kept
    // application that holds the chosen dictionary, as loaded by the last
    // command, skips the load (and its lines on stderr).
    int LoadChosenDictionary(bool linesAreResult);

    // Runs the search `option` of game G with its lines on stdout, then reports
    // the stop and the status line on stderr. Returns the exit code.
    template <typename G>
    int RunPageSearch(int option) {
        return RunPageSearch(app().Get<G>().Id(), option);
    }
    int RunPageSearch(int game, int option) { return RunPageSearch(SearchJob{game, option, {}}); }
    int RunPageSearch(const SearchJob& job);

    // A page's command: loads the chosen dictionary (its lines on stderr) and
    // runs the search `option` of game G, which takes no request. A failed load
    // that fell back to another dictionary still searches, but exits with 1.
    template <typename G>
    int RunPageCommand(int option) {
        return RunPageJob<G>([option](G& game) { return SearchJob{game.Id(), option, {}}; });
    }
    // The same for a game that takes a typed request: `job` binds it, once
    // the dictionary is loaded.
    template <typename G>
    int RunPageJob(const std::function<SearchJob(G&)>& job) {
        G& game = app().Get<G>();
        return RunPageJob([&job, &game] { return job(game); });
    }

    // The closing status line of the last search, on stderr.
    void PrintStatusLine();

    // Prints an error line of the command itself (not a game's) on stderr.
    void UsageError(const std::string& message);

private:
    int RunPageJob(const std::function<SearchJob()>& job);
    // One search through the session, with the progress line on a terminal
    // while it runs; `timed` searches stop at the time limit (a load never does).
    SearchEnd RunShowingProgress(const SearchJob& job, bool linesOnStderr, bool timed);

    GameList games_;
    KeptApp* kept_;
    // The trusted dictionary of the kept application as this command found it.
    std::string trustedAtStart_;
    std::unique_ptr<App> ownApp_;
    App* app_ = nullptr;
    std::unique_ptr<SearchSession> session_;
    StreamSink sink_;
    std::unique_ptr<ProgressTicker> ticker_;
    // The status text of the last search, for the closing line.
    std::string lastStatus_;
};

}  // namespace sillabor::cli
