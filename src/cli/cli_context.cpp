#include "cli/cli_context.h"

#include <atomic>
#include <csignal>

#include "app/run_game.h"
#include "cli/stop_timer.h"
#include "dizio/dizio_game.h"

namespace sillabor::cli {

namespace {

// Ctrl-C asks the running search to stop, like "Stop !" in the window.
std::atomic<bool>* gStopFlag = nullptr;

extern "C" void OnInterrupt(int) {
    if (gStopFlag != nullptr) gStopFlag->store(true, std::memory_order_relaxed);
}

}  // namespace

CliContext::CliContext(std::ostream& outStream, std::ostream& errStream)
    : out(outStream), err(errStream), sink_(outStream) {}

CliContext::~CliContext() {
    if (app_ && gStopFlag == &app_->state.StopRequested) {
        gStopFlag = nullptr;
        std::signal(SIGINT, SIG_DFL);
    }
}

App& CliContext::MakeApp() {
    app_ = std::make_unique<App>(folder);
    if (seed) app_->random.SeedFrom(*seed);
    app_->out.SetSink(&sink_);
    if (errIsTerminal) {
        ticker_ = std::make_unique<ProgressTicker>(sink_, err, [this] { return ProgressText(); });
        app_->out.SetSink(ticker_.get());
    }
    started_ = std::chrono::steady_clock::now();
    gStopFlag = &app_->state.StopRequested;
    std::signal(SIGINT, OnInterrupt);
    return *app_;
}

int CliContext::LoadChosenDictionary(bool linesAreResult) {
    App& w = app();
    sink_.SetStream(linesAreResult ? out : err);
    started_ = std::chrono::steady_clock::now();
    GameContext game = w.Context();
    if (w.Get<DizioGame>().Scan(game) != 0) return kExitError;
    w.dict.DictionaryName = dictionary;
    int status = RunGameShowingProgress(kGameDictionary, kDictionaryLoad, !linesAreResult);
    out.flush();
    if (w.IsFatal()) return kExitError;
    return status == 0 ? kExitOk : kExitError;
}

int CliContext::RunPageSearch(int game, int option) {
    App& w = app();
    sink_.SetStream(out);
    started_ = std::chrono::steady_clock::now();
    // As in the window, a finished search (the load) leaves the status mode at 0.
    w.state.StatusMode = kStatusGenerated;
    std::optional<StopTimer> timer;
    if (timeLimit)
        timer.emplace(w.state.StopRequested,
                      std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::duration<double>(*timeLimit)));
    int status = RunGameShowingProgress(game, option, false);
    timer.reset();
    // As in the window: a load, build or export never stops early.
    if (w.state.StopRequested && game != kGameDictionary) {
        w.out.PrintSeparator();
        w.out.PrintLine("RICERCA INTERROTTA");
    }
    out.flush();
    PrintStatusLine();
    w.state.StatusMode = kStatusGenerated;
    if (status == kNoSuchSearch) return kExitUsage;
    return (status != 0 || w.IsFatal()) ? kExitError : kExitOk;
}

int CliContext::RunPageCommand(int game, int option, const std::function<void(App&)>& fill) {
    int loadCode = LoadChosenDictionary(false);
    if (loadCode != kExitOk && !app().dict.IsLoaded()) {
        PrintStatusLine();
        return loadCode;
    }
    if (fill) fill(app());
    int searchCode = RunPageSearch(game, option);
    return loadCode != kExitOk ? loadCode : searchCode;
}

int CliContext::RunGameShowingProgress(int game, int option, bool linesOnStderr) {
    if (!ticker_) return RunGame(app(), game, option);
    ticker_->SetLinesShareTerminal(linesOnStderr || outIsTerminal);
    ticker_->Start();
    const int status = RunGame(app(), game, option);
    ticker_->Stop();
    return status;
}

// The window's status-bar text: only the reports that leave the dictionary alone
// count against its size.
std::string CliContext::ProgressText() const {
    const App& w = *app_;
    const int32_t mode = w.state.StatusMode;
    const bool ofDictionary = mode == kStatusInfoWords || mode == kStatusInfoClasses;
    const auto elapsed = std::chrono::steady_clock::now() - started_;
    return StatusText(mode, w.state.FoundCount, std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count(),
                      ofDictionary ? w.dict.WordCount : 0, ofDictionary ? w.dict.ClassCount : 0);
}

void CliContext::PrintStatusLine() {
    App& w = app();
    auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started_);
    err << StatusText(w.state.StatusMode, w.state.FoundCount, elapsed.count(), w.dict.WordCount, w.dict.ClassCount)
        << '\n';
    err.flush();
}

void CliContext::UsageError(const std::string& message) { err << "sillabor-cli: " << message << '\n'; }

}  // namespace sillabor::cli
