#pragma once
// Builds, on a thread of its own, the indexes the registered games derive from
// the loaded dictionary (or takes them from their cache files), so that the
// first search of each kind finds them ready; then it makes sure the cache
// files of the indexes the games keep on disk only exist and fit, without
// keeping those indexes. It never runs beside a search: a search first holds
// it, which lets it end the index or file in hand, finish the kept indexes of
// the search's own game and then stops it (the search reads or builds its
// files itself); the front end starts it again once the search has ended, and
// it carries on with whatever is still missing.

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

namespace sillabor {

class App;

class IndexPreparer {
public:
    explicit IndexPreparer(App& app);
    // Lets the index being built end, builds no other and joins the thread.
    ~IndexPreparer();
    IndexPreparer(const IndexPreparer&) = delete;
    IndexPreparer& operator=(const IndexPreparer&) = delete;

    // Front end's thread, with no search running: starts building what the
    // dictionary in memory still lacks. Nothing starts for an empty dictionary,
    // nor for one out of byte order (the next search that needs the order
    // restores it). While it runs, this only lifts a hold.
    void Start();
    // Before a search of `game`, on any thread: lets the kept indexes of
    // `game` be finished first, then stops the building. True once it has
    // stopped (or was not running); false as soon as `stop` (when given) is
    // set, leaving it running: the search must not run then.
    bool Hold(int game, const std::atomic<bool>* stop);
    // Whether a search is waiting in Hold, from any thread.
    bool Waiting() const { return waiting_.load(std::memory_order_relaxed); }
    // Whether it is building, from any thread.
    bool Running() const;

private:
    struct Task {
        int game;
        int index;
        bool fileOnly;  // PrepareIndexFile's file `index`, else PrepareIndex's index
    };
    void Work();

    App& app_;
    std::thread worker_;
    mutable std::mutex mutex_;
    std::condition_variable stopped_;
    // Guarded by mutex_: the indexes still to build, for the dictionary
    // generation `pendingFor_ - 1`.
    std::vector<Task> pending_;
    uint64_t pendingFor_ = 0;
    bool running_ = false;
    bool cancelled_ = false;
    int heldFor_ = -1;  // the game whose search waits, -1 for none
    std::atomic<bool> waiting_{false};
};

}  // namespace sillabor
