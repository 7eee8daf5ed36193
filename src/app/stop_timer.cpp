#include "app/stop_timer.h"

namespace sillabor {

namespace {

// How often the stop is pressed again once the time is up.
constexpr std::chrono::milliseconds kPressAgain{5};

}  // namespace

StopTimer::StopTimer(std::atomic<bool>& stop, std::chrono::milliseconds after)
    : stop_(stop), thread_([this, after] { Wait(after); }) {}

StopTimer::~StopTimer() {
    {
        std::lock_guard lock(mutex_);
        done_ = true;
    }
    wake_.notify_all();
    thread_.join();
}

void StopTimer::Wait(std::chrono::milliseconds after) {
    std::unique_lock lock(mutex_);
    if (wake_.wait_for(lock, after, [this] { return done_; })) return;
    while (!done_) {
        stop_.store(true, std::memory_order_relaxed);
        wake_.wait_for(lock, kPressAgain, [this] { return done_; });
    }
}

}  // namespace sillabor
