// Starts and stops searches on the core from a second thread, a thousand times,
// as the window does: the stop comes at a random moment (held down from the
// start, after a random delay, at the first line, or only after the end),
// while the first thread keeps moving printed text out of the printer as the
// window's timer does. Built alone so that it can run under ThreadSanitizer.
// After each search the indexes are built in the background, as the window
// has them built, so searches and loads start while they are being built.
// Every cycle must end, every line must arrive whole and in order, and the
// application must be idle and intact afterwards.

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <fstream>
#include <future>
#include <mutex>
#include <random>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "anagr/anagr_game.h"
#include "anagr/anagram_search.h"
#include "app/search_session.h"
#include "cerca/cerca_game.h"
#include "dictionary/dictionary_loader.h"
#include "dizio/dizio_game.h"
#include "metagr/metagr_game.h"
#include "parole/parole_game.h"
#include "support/fixture_dictionary.h"

namespace sillabor {
namespace {

constexpr int kCycles = 1000;
// A cycle that has not ended by then is taken for a deadlock.
constexpr auto kCycleLimit = std::chrono::seconds(60);

// The window's way of showing lines: appended to pending text by the search
// thread, moved out whole by the window thread. Every written line is also
// kept apart, to compare with what was shown.
class PendingSink : public LineSink {
public:
    void WriteLine(std::string_view line) override {
        std::lock_guard lock(mutex_);
        pending_.append(line).push_back('\n');
        written_.emplace_back(line);
    }
    void Refresh() override {
        std::lock_guard lock(mutex_);
        shown_ += pending_;
        pending_.clear();
    }
    void Clear() override {
        std::lock_guard lock(mutex_);
        shown_ += pending_;
        pending_.clear();
        shown_.clear();
        written_.clear();
    }
    std::string Shown() {
        std::lock_guard lock(mutex_);
        return shown_;
    }
    std::vector<std::string> Written() {
        std::lock_guard lock(mutex_);
        return written_;
    }
    size_t WrittenCount() {
        std::lock_guard lock(mutex_);
        return written_.size();
    }

private:
    std::mutex mutex_;
    std::string pending_, shown_;
    std::vector<std::string> written_;
};

struct Search {
    const char* name;
    const char* game;
    int option;
    // Ends by itself soon enough to be run to its end.
    bool endsByItself;
};

const Search kSearches[] = {
    {"anagrams of a short phrase", "anagr", kAnagramSearch, true},
    {"anagrams of a long phrase", "anagr", kAnagramSearch, false},
    {"the anagram candidates", "anagr", kAnagramShowCandidates, true},
    {"every word", "parole", 0, true},
    {"a pattern", "parole", 0, true},
    {"the edits of a base", "cerca", 0, true},
    {"a word ladder", "metagr", 0, true},
    {"the export", "dizio", kDictionaryExport, true},
    {"a load", "dizio", kDictionaryLoad, true},
};

bool Is(const Search& search, const char* game) { return std::strcmp(search.game, game) == 0; }

enum StopMoment { kHeldFromStart, kAfterDelay, kAtFirstLine, kAfterEnd };

class StartStopStress : public ::testing::Test {
protected:
    void SetUp() override {
        // A slice of the shipped word list, built and loaded through the real path.
        std::ifstream list(std::string(SILLABOR_SOURCE_DIR) + "/Dizionari/Default/italian.txt");
        std::ostringstream slice;
        std::string word;
        for (int n = 0; std::getline(list, word); ++n)
            if (n % 30 == 0) slice << word << '\n';
        test::WriteFile(f.folder.path() / "Dizionari" / "Default" / "parole.txt", slice.str());
        ASSERT_EQ(f.Scan(), 0);
        DictionaryJob job = f.Job();
        ASSERT_EQ(LoadDictionary(job), 0);
        words_ = f.app->dict.WordCount;
        f.app->out.SetSink(&sink_);
    }

    // The search's job, its request filled as a page would.
    SearchJob Prepare(const Search& search, std::mt19937& random) {
        App& app = *f.app;
        if (Is(search, "anagr")) {
            AnagrRequest request;
            request.phrase = std::strcmp(search.name, "anagrams of a long phrase") == 0
                                 ? "la vispa teresa avea tra l'erbetta al volo sorpresa"
                                 : "marco polo";
            request.shuffle = random() % 2 == 0;
            request.resultLimit = 300;
            return app.Get<AnagrGame>().Job(request, search.option);
        } else if (Is(search, "parole")) {
            ParoleRequest request;
            if (std::strcmp(search.name, "a pattern") == 0) request.firstPattern = "1221*";
            return app.Get<ParoleGame>().Job(request);
        } else if (Is(search, "cerca")) {
            CercaState& cerca = app.Get<CercaGame>().state;
            cerca.BaseWord = "mare";
            cerca.JokerCount = 0;
        } else if (Is(search, "metagr")) {
            const bool addRemove = random() % 2 == 0;
            return app.Get<MetagrGame>().Job({"cane", "pote", addRemove, random() % 2 == 0, 3});
        }
        return {app.games.FindByName(search.game)->Id(), search.option, {}};
    }

    void ExpectIdleAndIntact(const char* what) {
        App& app = *f.app;
        ASSERT_FALSE(app.out.IsSaving()) << what;
        ASSERT_FALSE(app.IsFatal()) << what;
        ASSERT_EQ(app.dict.WordCount, words_) << what;
        ASSERT_FALSE(app.dict.NotAlphabetical) << what;
        for (int32_t slot = 2; slot < app.dict.WordCount; ++slot)
            ASSERT_LT(std::strcmp(app.dict.Words[slot - 1], app.dict.Words[slot]), 0) << what;
        // Every line shown whole, in the order written.
        std::string expected;
        for (const std::string& line : sink_.Written()) expected.append(line).push_back('\n');
        ASSERT_EQ(sink_.Shown(), expected) << what;
    }

    test::Fixture f;
    PendingSink sink_;
    int32_t words_ = 0;
};

TEST_F(StartStopStress, AThousandSearchesStartAndStopCleanly) {
    std::mt19937 random(20261201);
    App& app = *f.app;
    SearchSession session(app);
    const std::filesystem::path saves = app.SavesDir() / "Parole.txt";
    for (int cycle = 0; cycle < kCycles; ++cycle) {
        const Search& search = kSearches[random() % std::size(kSearches)];
        StopMoment moment = static_cast<StopMoment>(random() % 4);
        if (moment == kAfterEnd && !search.endsByItself) moment = kAtFirstLine;
        SearchJob job = Prepare(search, random);
        SearchStart start;
        if (random() % 4 == 0) {
            start.saveFile = saves;
            start.appendToSave = random() % 2 == 0;
        }
        session.Begin(std::move(job), start);
        std::string what = std::string(search.name) + ", cycle " + std::to_string(cycle);

        bool firstLine = false;
        auto searching = std::async(std::launch::async, [&] { return session.Run(); });
        const auto delay = std::chrono::microseconds(random() % 3000);
        const auto started = std::chrono::steady_clock::now();
        // The window thread: moves text out while the search runs, and presses "Stop !".
        while (searching.wait_for(std::chrono::microseconds(200)) != std::future_status::ready) {
            app.out.RefreshOutput();
            firstLine = firstLine || sink_.WrittenCount() > 0;
            const auto elapsed = std::chrono::steady_clock::now() - started;
            // A search that prints nothing for long is stopped at once too.
            if (moment == kHeldFromStart || (moment == kAfterDelay && elapsed > delay) ||
                (moment == kAtFirstLine && (firstLine || elapsed > std::chrono::milliseconds(50))))
                app.state.StopRequested = true;
            if (std::chrono::steady_clock::now() - started > kCycleLimit) {
                app.state.StopRequested = true;
                if (searching.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
                    ADD_FAILURE() << what << " never ended";
                    std::abort();  // the search thread cannot be joined
                }
                FAIL() << what << " did not end within the limit after its stop";
            }
        }
        const int status = searching.get();
        ASSERT_TRUE(status == 0 || status == 1) << what;
        session.Finish();
        ExpectIdleAndIntact(what.c_str());
        session.PrepareIndexes();
        // "Stop !" with nothing running: the next search starts as if it had not been pressed.
        if (moment == kAfterEnd) app.state.StopRequested = true;
    }
    // The save file got whole lines, each search closed by its closing line.
    const std::string saved = test::ReadFile(saves);
    if (!saved.empty()) {
        EXPECT_EQ(saved.substr(saved.size() - 29), std::string(kSaveClosingLine) + "\n");
    }
}

}  // namespace
}  // namespace sillabor
