// The indexes built in the background after a load, then the cache files of
// those kept on disk only: a search waits for its own game's kept indexes
// only, "Stop !" ends the wait, the rest follows the search, and nothing runs
// beside a search or after the session is gone.

#include "app/index_preparer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <future>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "app/app.h"
#include "app/search_session.h"
#include "support/fixture_dictionary.h"

namespace sillabor {
namespace {

using namespace std::chrono_literals;
using Lines = std::vector<std::string>;

// What was built and searched, in order; the first index built waits until
// the test lets it go.
class Journal {
public:
    void Add(const std::string& entry) {
        std::unique_lock lock(mutex_);
        entries_.push_back(entry);
        changed_.notify_all();
        if (entries_.size() == 1) changed_.wait(lock, [this] { return open_; });
    }
    void Open() {
        std::lock_guard lock(mutex_);
        open_ = true;
        changed_.notify_all();
    }
    void WaitForFirst() {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return !entries_.empty(); });
    }
    Lines Entries() {
        std::lock_guard lock(mutex_);
        return entries_;
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    Lines entries_;
    bool open_ = false;
};

// A game of its own type for each tag: the registry takes a type once.
template <int Tag>
class IndexedGame : public Game {
public:
    IndexedGame(const char* name, int indexes, int files, Journal& journal)
        : name_(name), indexes_(indexes), files_(files), journal_(journal) {}
    GameInfo Info() const override { return {name_, name_, name_, ""}; }
    std::vector<std::string> HelpKeys() const override { return {}; }
    int Run(GameContext&, int) override {
        journal_.Add(std::string(name_) + " search");
        return 0;
    }
    int IndexCount() const override { return indexes_; }
    void PrepareIndex(int index, const Dictionary&) override { journal_.Add(name_ + std::to_string(index)); }
    int IndexFileCount() const override { return files_; }
    void PrepareIndexFile(int file, const Dictionary&) override {
        journal_.Add(std::string(name_) + " file" + std::to_string(file));
    }

private:
    const char* name_;
    int indexes_;
    int files_;
    Journal& journal_;
};

struct Workbench {
    test::TempFolder folder;
    Journal journal;
    App app{folder.path(), [this](GameRegistry& games) {
                games.Register<IndexedGame<0>>("a", 2, 0, journal);
                games.Register<IndexedGame<1>>("b", 1, 1, journal);
                games.Register<IndexedGame<2>>("c", 0, 1, journal);
            }};
    std::unique_ptr<SearchSession> session = std::make_unique<SearchSession>(app);
    Workbench() { app.dict.WordCount = 3; }  // reads as loaded; the stand-ins never look at it

    void WaitUntilIdle() {
        while (session->PreparingIndexes()) std::this_thread::sleep_for(1ms);
    }
};

TEST(IndexPreparer, ASearchWaitsForItsOwnGamesKeptIndexesAndTheRestFollowsIt) {
    Workbench w;
    w.session->PrepareIndexes();
    w.journal.WaitForFirst();
    w.session->Begin(1, 0);
    auto searching = std::async(std::launch::async, [&] { return w.session->Run(); });
    while (w.session->StatusText() != kPreparingIndexes) std::this_thread::sleep_for(1ms);
    w.journal.Open();
    EXPECT_EQ(searching.get(), 0);
    w.session->Finish();
    // Not its file: the search reads or builds that itself.
    EXPECT_EQ(w.journal.Entries(), (Lines{"a0", "b0", "b search"}));
    w.session->PrepareIndexes();
    w.WaitUntilIdle();
    const Lines first = {"a0", "b0", "b search", "a1", "b file0", "c file0"};
    EXPECT_EQ(w.journal.Entries(), first);
    // Made once per dictionary: again only after a load, the kept indexes first.
    w.session->PrepareIndexes();
    w.WaitUntilIdle();
    EXPECT_EQ(w.journal.Entries(), first);
    w.app.dict.Generation++;
    w.session->PrepareIndexes();
    w.WaitUntilIdle();
    Lines again = first;
    again.insert(again.end(), {"a0", "a1", "b0", "b file0", "c file0"});
    EXPECT_EQ(w.journal.Entries(), again);
}

TEST(IndexPreparer, StopEndsTheWaitAndTheSearchDoesNotRun) {
    test::CollectingSink sink;
    Workbench w;
    w.app.out.SetSink(&sink);
    w.session->PrepareIndexes();
    w.journal.WaitForFirst();
    w.session->Begin(2, 0);
    auto searching = std::async(std::launch::async, [&] { return w.session->Run(); });
    while (w.session->StatusText() != kPreparingIndexes) std::this_thread::sleep_for(1ms);
    w.session->Stop();
    EXPECT_EQ(searching.get(), 0);
    EXPECT_TRUE(w.session->Finish().stopped);
    EXPECT_EQ(sink.Lines(), (Lines{"--------------------------------------------------", "RICERCA INTERROTTA"}));
    // The building carries on by itself.
    w.journal.Open();
    w.WaitUntilIdle();
    EXPECT_EQ(w.journal.Entries(), (Lines{"a0", "a1", "b0", "b file0", "c file0"}));
}

TEST(IndexPreparer, NothingIsBuiltForAnEmptyDictionaryOrOneOutOfByteOrder) {
    for (const bool empty : {true, false}) {
        Workbench w;
        w.journal.Open();
        if (empty)
            w.app.dict.WordCount = 0;
        else
            w.app.dict.NotAlphabetical = true;
        w.session->PrepareIndexes();
        EXPECT_FALSE(w.session->PreparingIndexes());
        EXPECT_TRUE(w.journal.Entries().empty());
    }
}

TEST(IndexPreparer, TheSessionEndsAfterTheIndexBeingBuiltAndBuildsNoOther) {
    Workbench w;
    w.session->PrepareIndexes();
    w.journal.WaitForFirst();
    std::thread opener([&w] {
        std::this_thread::sleep_for(20ms);
        w.journal.Open();
    });
    w.session.reset();
    opener.join();
    EXPECT_EQ(w.journal.Entries(), Lines{"a0"});
}

}  // namespace
}  // namespace sillabor
