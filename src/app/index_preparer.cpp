#include "app/index_preparer.h"

#include <algorithm>
#include <chrono>
#include <system_error>

#include "app/app.h"

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace sillabor {

IndexPreparer::IndexPreparer(App& app) : app_(app) {}

IndexPreparer::~IndexPreparer() {
    {
        std::lock_guard lock(mutex_);
        cancelled_ = true;
    }
    if (worker_.joinable()) worker_.join();
}

bool IndexPreparer::Running() const {
    std::lock_guard lock(mutex_);
    return running_;
}

void IndexPreparer::Start() {
    std::unique_lock lock(mutex_);
    if (running_) {
        heldFor_ = -1;
        return;
    }
    lock.unlock();
    // The last run has ended its work; the thread only has to return.
    if (worker_.joinable()) worker_.join();
    lock.lock();
    const Dictionary& dict = app_.dict;
    if (!dict.IsLoaded() || dict.NotAlphabetical || app_.IsFatal()) return;
    // What a search interrupted is taken up again; a load starts the list afresh.
    const uint64_t stamp = uint64_t{dict.Generation.load(std::memory_order_relaxed)} + 1;
    if (pendingFor_ != stamp) {
        pending_.clear();
        // The indexes kept in memory first, then the files.
        for (int id = 0; id < app_.games.Count(); ++id)
            for (int index = 0; index < app_.games.Find(id)->IndexCount(); ++index)
                pending_.push_back({id, index, false});
        for (int id = 0; id < app_.games.Count(); ++id)
            for (int file = 0; file < app_.games.Find(id)->IndexFileCount(); ++file)
                pending_.push_back({id, file, true});
        pendingFor_ = stamp;
    }
    if (pending_.empty()) return;
    heldFor_ = -1;
    running_ = true;
    try {
        worker_ = std::thread([this] { Work(); });
    } catch (const std::system_error&) {
        // No thread to spare (a build without threads): the searches build what they need.
        running_ = false;
    }
}

bool IndexPreparer::Hold(int game, const std::atomic<bool>* stop) {
    std::unique_lock lock(mutex_);
    if (!running_) return true;
    heldFor_ = game;
    waiting_ = true;
    while (running_) {
        if (stop != nullptr && stop->load(std::memory_order_relaxed)) {
            heldFor_ = -1;
            waiting_ = false;
            return false;
        }
        // The stop flag has no way to wake the wait: look at it now and then.
        stopped_.wait_for(lock, std::chrono::milliseconds(10));
    }
    waiting_ = false;
    return true;
}

void IndexPreparer::Work() {
    std::unique_lock lock(mutex_);
    for (;;) {
        if (cancelled_) break;
        // A waiting search has its own game's kept indexes built first, and
        // nothing after them: the search builds a missing file of its own as
        // fast as this would, without reading it back.
        auto next = heldFor_ < 0 ? pending_.begin()
                                 : std::find_if(pending_.begin(), pending_.end(), [this](const Task& task) {
                                       return task.game == heldFor_ && !task.fileOnly;
                                   });
        if (next == pending_.end()) break;
        const Task task = *next;
        pending_.erase(next);
        lock.unlock();
        try {
            Game& game = *app_.games.Find(task.game);
            if (task.fileOnly)
                game.PrepareIndexFile(task.index, app_.dict);
            else
                game.PrepareIndex(task.index, app_.dict);
        } catch (...) {
            // Out of memory, say: the search that needs the index tries again and says why.
        }
        lock.lock();
    }
#ifdef __GLIBC__
    // A build leaves its scratch arrays free in this thread's heap, which the
    // allocator would keep (and a file's whole index is scratch): hand them
    // back, so that only the kept indexes stay resident.
    malloc_trim(0);
#endif
    running_ = false;
    stopped_.notify_all();
}

}  // namespace sillabor
