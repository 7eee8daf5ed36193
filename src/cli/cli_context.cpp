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

CliContext::CliContext(std::ostream& outStream, std::ostream& errStream, GameList games)
    : out(outStream), err(errStream), games_(std::move(games)), sink_(outStream) {}

CliContext::~CliContext() {
    if (app_ && gStopFlag == &app_->state.StopRequested) {
        gStopFlag = nullptr;
        std::signal(SIGINT, SIG_DFL);
    }
}

App& CliContext::MakeApp() {
    app_ = std::make_unique<App>(folder, games_);
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
    sink_.SetStream(linesAreResult ? out : err);
    GameContext game = w.Context();
    if (w.Get<DizioGame>().Scan(game) != 0) return kExitError;
    DizioRequest request;
    request.dictionary = dictionary;
    const SearchEnd end = RunShowingProgress(w.Get<DizioGame>().Job(request), !linesAreResult, false);
    out.flush();
    if (w.IsFatal()) return kExitError;
    return end.status == 0 ? kExitOk : kExitError;
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
