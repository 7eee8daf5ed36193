#include "app/search_session.h"

#include "app/app.h"
#include "app/run_game.h"
#include "app/stop_timer.h"

namespace sillabor {

SearchSession::SearchSession(App& app) : app_(app), preparer_(app) {}

SearchSession::~SearchSession() = default;

void SearchSession::Begin(SearchJob job, const SearchStart& start) {
    job_ = std::move(job);
    status_ = 0;
    started_ = std::chrono::steady_clock::now();
    // A finished search (the load, say) leaves the status mode at 0.
    app_.state.StatusMode = kStatusGenerated;
    if (start.clearOutput) app_.out.ClearOutput();
    if (start.saveFile) app_.out.BeginAutosave(*start.saveFile, start.appendToSave);
    if (start.timeLimit) timer_ = std::make_unique<StopTimer>(app_.state.StopRequested, *start.timeLimit);
}

int SearchSession::Run() {
    if (preparer_.Running()) {
        // As RunGame does: a "Stop !" pressed before the search started is not for it.
        app_.state.StopRequested = false;
        // A load or a build runs to its end: it waits for the index being built.
        const Game* game = app_.FindGame(job_.game);
        const bool stoppable = game == nullptr || game->CanBeStopped();
        if (!preparer_.Hold(job_.game, stoppable ? &app_.state.StopRequested : nullptr)) return status_ = 0;
    }
    // RunGame catches what a game throws; this is for any other runner, since
    // an exception leaving a thread would end the program.
    try {
        status_ = runner_ ? runner_(app_, job_.game, job_.option) : RunGame(app_, job_);
    } catch (...) {
        app_.out.PrintLine("Errore interno, ricerca interrotta");
        status_ = 1;
    }
    return status_;
}

SearchEnd SearchSession::Finish() {
    timer_.reset();
    SearchEnd end;
    end.status = status_;
    const Game* game = app_.FindGame(job_.game);
    end.stopped = app_.state.Stopping() && (game == nullptr || game->CanBeStopped());
    if (end.stopped) {
        app_.out.PrintSeparator();
        app_.out.PrintLine("RICERCA INTERROTTA");
    }
    app_.out.RefreshOutput();
    app_.out.EndAutosave();
    end.statusText = StatusText();
    app_.state.StatusMode = kStatusGenerated;
    app_.state.StopRequested = false;
    return end;
}

void SearchSession::Stop() { app_.state.StopRequested = true; }

int64_t SearchSession::ElapsedMs() const {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started_).count();
}

std::string SearchSession::StatusText() const {
    if (preparer_.Waiting()) return kPreparingIndexes;
    const int32_t mode = app_.state.StatusMode;
    // The dictionary's sizes are read only by the reports that leave it alone:
    // a build or load changes them while it runs.
    const bool ofDictionary = mode == kStatusInfoWords || mode == kStatusInfoClasses;
    return sillabor::StatusText(mode, app_.state.FoundCount, ElapsedMs(), ofDictionary ? app_.dict.WordCount : 0,
                                ofDictionary ? app_.dict.ClassCount : 0);
}

}  // namespace sillabor
