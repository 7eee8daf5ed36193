#include "cli/cli_context.h"

#include <atomic>
#include <csignal>
#include <utility>

#include "dizio/dizio_game.h"

namespace sillabor::cli {

namespace {

// Ctrl-C asks the running search to stop, like "Stop !" in the window.
std::atomic<bool>* gStopFlag = nullptr;

extern "C" void OnInterrupt(int) {
    if (gStopFlag != nullptr) gStopFlag->store(true, std::memory_order_relaxed);
}

}  // namespace

CliContext::CliContext(std::ostream& outStream, std::ostream& errStream, GameList games, KeptApp* kept)
    : out(outStream), err(errStream), games_(std::move(games)), kept_(kept), sink_(outStream) {
    if (kept_) {
        // Trusted again only by a page command's load.
        trustedAtStart_ = std::move(kept_->trustedDictionary);
        kept_->trustedDictionary.clear();
    }
}

CliContext::~CliContext() {
    if (app_ && gStopFlag == &app_->state.StopRequested) {
        gStopFlag = nullptr;
        std::signal(SIGINT, SIG_DFL);
    }
    if (!app_) return;
    app_->out.SetSink(nullptr);
    // A fatal state is for good: the next command starts afresh.
    if (kept_ && app_->IsFatal()) kept_->Forget();
}

App& CliContext::MakeApp() {
    if (kept_) {
        if (!kept_->app || kept_->app->root != std::filesystem::path(folder)) {
            kept_->app.reset();
            trustedAtStart_.clear();
            kept_->app = std::make_unique<App>(folder, games_);
        }
        app_ = kept_->app.get();
    } else {
        ownApp_ = std::make_unique<App>(folder, games_);
        app_ = ownApp_.get();
    }
    session_ = std::make_unique<SearchSession>(*app_);
    if (seed) app_->random.SeedFrom(*seed);
    app_->out.SetSink(&sink_);
    if (errIsTerminal) {
        ticker_ = std::make_unique<ProgressTicker>(sink_, err, [this] { return session_->StatusText(); });
        app_->out.SetSink(ticker_.get());
    }
    gStopFlag = &app_->state.StopRequested;
    std::signal(SIGINT, OnInterrupt);
    return *app_;
}

int CliContext::LoadChosenDictionary(bool linesAreResult) {
    App& w = app();
    if (!linesAreResult && !trustedAtStart_.empty() && trustedAtStart_ == dictionary &&
        w.dict.LoadedName == dictionary && w.dict.IsLoaded() && !w.IsFatal()) {
        kept_->trustedDictionary = dictionary;
        // Every search reseeds the random source, the load too: a seeded
        // search replays as it would after a load.
        w.random.ReseedRandom();
        return kExitOk;
    }
    sink_.SetStream(linesAreResult ? out : err);
    GameContext game = w.Context();
    if (w.Get<DizioGame>().Scan(game) != 0) return kExitError;
    DizioRequest request;
    request.dictionary = dictionary;
    const SearchEnd end = RunShowingProgress(w.Get<DizioGame>().Job(request), !linesAreResult, false);
    out.flush();
    if (w.IsFatal()) return kExitError;
    if (end.status != 0) return kExitError;
    if (kept_ && !linesAreResult && w.dict.LoadedName == dictionary) kept_->trustedDictionary = dictionary;
    return kExitOk;
}

int CliContext::RunPageSearch(const SearchJob& job) {
    App& w = app();
    sink_.SetStream(out);
    const SearchEnd end = RunShowingProgress(job, false, true);
    out.flush();
    PrintStatusLine();
    if (end.status == kNoSuchSearch) return kExitUsage;
    return (end.status != 0 || w.IsFatal()) ? kExitError : kExitOk;
}

int CliContext::RunPageJob(const std::function<SearchJob()>& job) {
    int loadCode = LoadChosenDictionary(false);
    if (loadCode != kExitOk && !app().dict.IsLoaded()) {
        PrintStatusLine();
        return loadCode;
    }
    int searchCode = RunPageSearch(job());
    return loadCode != kExitOk ? loadCode : searchCode;
}

SearchEnd CliContext::RunShowingProgress(const SearchJob& job, bool linesOnStderr, bool timed) {
    SearchStart start;
    // The lines go on after those of the load, which the output keeps.
    start.clearOutput = false;
    if (timeLimit && timed)
        start.timeLimit = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::duration<double>(*timeLimit));
    session_->Begin(job, start);
    if (ticker_) {
        ticker_->SetLinesShareTerminal(linesOnStderr || outIsTerminal);
        ticker_->Start();
    }
    session_->Run();
    if (ticker_) ticker_->Stop();
    SearchEnd end = session_->Finish();
    lastStatus_ = end.statusText;
    return end;
}

void CliContext::PrintStatusLine() {
    // Before any search (a scan that failed), the status of nothing generated.
    err << (lastStatus_.empty() ? session_->StatusText() : lastStatus_) << '\n';
    err.flush();
}

void CliContext::UsageError(const std::string& message) { err << "sillabor-cli: " << message << '\n'; }

}  // namespace sillabor::cli
