// One search from start to end as every front end runs it: the closing lines
// of a stop, the time limit, the saving, and what a runner that throws leaves.

#include "app/search_session.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <thread>

#include "support/fixture_dictionary.h"

namespace sillabor {
namespace {

using Lines = std::vector<std::string>;
const std::string kSeparator = "--------------------------------------------------";

// A search that prints a line, counts two results, and waits for "Stop !"
// when `waits`.
GameRunner Printing(bool waits) {
    return [waits](App& app, int, int) {
        app.state.StopRequested = false;
        app.state.StatusMode = kStatusFoundFemale;
        app.out.PrintLine("riga");
        app.state.FoundCount = 2;
        while (waits && !app.state.Stopping()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
        return 0;
    };
}

TEST(SearchSession, AStopEndsWithTheClosingLinesExceptForADictionaryJob) {
    struct Case {
        bool stop;
        bool dictionaryJob;
        Lines lines;
    };
    const Case cases[] = {
        {false, false, {"riga"}},
        {true, false, {"riga", kSeparator, "RICERCA INTERROTTA"}},
        // A load, build or export runs to its end: a late "Stop !" interrupted nothing.
        {true, true, {"riga"}},
    };
    for (const Case& c : cases) {
        test::Fixture f;
        f.app->out.SetSink(&f.sink);
        SearchSession session(*f.app);
        session.SetRunner([&](App& app, int game, int option) {
            const int status = Printing(false)(app, game, option);
            if (c.stop) session.Stop();
            return status;
        });
        const Game& game = c.dictionaryJob ? static_cast<Game&>(f.app->Get<DizioGame>()) : f.app->Get<CercaGame>();
        session.Begin(game.Id(), 0);
        EXPECT_EQ(session.Run(), 0);
        const SearchEnd end = session.Finish();
        EXPECT_EQ(f.sink.Lines(), c.lines);
        EXPECT_EQ(end.stopped, c.stop && !c.dictionaryJob);
        EXPECT_EQ(end.statusText.substr(0, 10), "Trovate 2 ");
        // The next search starts afresh.
        EXPECT_FALSE(f.app->state.Stopping());
        EXPECT_EQ(f.app->state.StatusMode, kStatusGenerated);
    }
}

TEST(SearchSession, TheTimeLimitPressesStopEvenAfterTheSearchClearedIt) {
    test::Fixture f;
    f.app->out.SetSink(&f.sink);
    SearchSession session(*f.app);
    session.SetRunner(Printing(true));
    SearchStart start;
    start.timeLimit = std::chrono::milliseconds(20);
    session.Begin(f.app->Get<CercaGame>().Id(), 0, start);
    session.Run();
    EXPECT_TRUE(session.Finish().stopped);
    EXPECT_EQ(f.sink.Lines(), (Lines{"riga", kSeparator, "RICERCA INTERROTTA"}));
}

TEST(SearchSession, SavingTakesTheResultsAndTheClosingLinesOnly) {
    test::Fixture f;
    f.app->out.SetSink(&f.sink);
    SearchSession session(*f.app);
    session.SetRunner([&](App& app, int game, int option) {
        Printing(false)(app, game, option);
        session.Stop();
        return 0;
    });
    SearchStart start;
    start.saveFile = f.app->SavesDir() / "Cerca.txt";
    session.Begin(f.app->Get<CercaGame>().Id(), 0, start);
    session.Run();
    session.Finish();
    EXPECT_FALSE(f.app->out.IsSaving());
    EXPECT_EQ(test::ReadFile(*start.saveFile),
              "riga\n" + kSeparator + "\nRICERCA INTERROTTA\n" + std::string(kSaveClosingLine) + "\n");
}

TEST(SearchSession, ARunnerThatThrowsEndsTheSearchWithOneLine) {
    test::Fixture f;
    f.app->out.SetSink(&f.sink);
    SearchSession session(*f.app);
    session.SetRunner([](App&, int, int) -> int { throw std::runtime_error("guasto"); });
    session.Begin(0, 0);
    EXPECT_EQ(session.Run(), 1);
    EXPECT_EQ(session.Finish().status, 1);
    EXPECT_EQ(f.sink.Lines(), Lines{"Errore interno, ricerca interrotta"});
}

}  // namespace
}  // namespace sillabor
