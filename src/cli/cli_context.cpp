#include "cli/cli_context.h"

#include <atomic>
#include <csignal>

#include "dictionary/dictionary_loader.h"
#include "search/dictionary_game.h"
#include "search/run_game.h"

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
    if (workbench_ && gStopFlag == &workbench_->state.StopRequested) {
        gStopFlag = nullptr;
        std::signal(SIGINT, SIG_DFL);
    }
}

Workbench& CliContext::MakeWorkbench() {
    workbench_ = std::make_unique<Workbench>(folder);
    if (seed) workbench_->random.SeedFrom(*seed);
    workbench_->out.SetSink(&sink_);
    started_ = std::chrono::steady_clock::now();
    gStopFlag = &workbench_->state.StopRequested;
    std::signal(SIGINT, OnInterrupt);
    return *workbench_;
}

int CliContext::LoadChosenDictionary(bool linesAreResult) {
    Workbench& w = wb();
    sink_.SetStream(linesAreResult ? out : err);
    started_ = std::chrono::steady_clock::now();
    if (ScanDictionaries(w) != 0) return kExitError;
    w.dict.DictionaryName = dictionary;
    int status = RunGame(w, kGameDictionary, kDictionaryLoad);
    out.flush();
    if (w.fatal) return kExitError;
    return status == 0 ? kExitOk : kExitError;
}

int CliContext::RunPageSearch(int game, int option) {
    Workbench& w = wb();
    sink_.SetStream(out);
    started_ = std::chrono::steady_clock::now();
    // As in the window, a finished search (the load) leaves the status mode at 0.
    w.state.StatusMode = kStatusGenerated;
    int status = RunGame(w, game, option);
    if (w.state.StopRequested) {
        w.out.PrintSeparator();
        w.out.PrintLine("RICERCA INTERROTTA");
    }
    out.flush();
    PrintStatusLine();
    w.state.StatusMode = kStatusGenerated;
    if (status == 2) return kExitUsage;
    return (status != 0 || w.fatal) ? kExitError : kExitOk;
}

int CliContext::RunPageCommand(int game, int option, const std::function<void(Workbench&)>& fill) {
    int loadCode = LoadChosenDictionary(false);
    if (loadCode != kExitOk && !wb().dict.IsLoaded()) {
        PrintStatusLine();
        return loadCode;
    }
    if (fill) fill(wb());
    int searchCode = RunPageSearch(game, option);
    return loadCode != kExitOk ? loadCode : searchCode;
}

void CliContext::PrintStatusLine() {
    Workbench& w = wb();
    auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started_);
    err << StatusText(w.state.StatusMode, w.state.FoundCount, elapsed.count(), w.dict.WordCount, w.dict.ClassCount)
        << '\n';
    err.flush();
}

void CliContext::UsageError(const std::string& message) { err << "sillabor-cli: " << message << '\n'; }

}  // namespace sillabor::cli
