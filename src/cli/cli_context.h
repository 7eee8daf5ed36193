#pragma once
// What every command of sillabor-cli shares: the global options, the
// application object, and the way a page's search is run and reported.

#include <chrono>
#include <functional>
#include <cstdint>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "app/app.h"
#include "cli/progress_ticker.h"
#include "cli/stream_sink.h"

namespace sillabor::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitError = 1;
inline constexpr int kExitUsage = 2;

class CliContext {
public:
    CliContext(std::ostream& out, std::ostream& err);
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
    // stdout when `linesAreResult`, to stderr otherwise. 0 on success.
    int LoadChosenDictionary(bool linesAreResult);

    // Runs a game with its lines on stdout, then reports the stop and the status
    // line on stderr. Returns the exit code.
    int RunPageSearch(int game, int option);

    // A page's command: loads the chosen dictionary (its lines on stderr), lets
    // `fill` set the page's record, and runs the page's search. A failed load
    // that fell back to another dictionary still searches, but exits with 1.
    int RunPageCommand(int game, int option, const std::function<void(App&)>& fill = {});

    // The closing status line of the last search, on stderr.
    void PrintStatusLine();

    // Prints an error line of the command itself (not a game's) on stderr.
    void UsageError(const std::string& message);

private:
    // RunGame, with the progress line on a terminal while it runs.
    int RunGameShowingProgress(int game, int option, bool linesOnStderr);
    std::string ProgressText() const;

    std::unique_ptr<App> app_;
    StreamSink sink_;
    std::unique_ptr<ProgressTicker> ticker_;
    std::chrono::steady_clock::time_point started_;
};

}  // namespace sillabor::cli
