#pragma once
// Presses "Stop !" for the running search once a time has passed.

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace sillabor {

class StopTimer {
public:
    // From `after` on, keeps `stop` set until the timer is destroyed (a search
    // that starts by clearing the flag is still stopped).
    StopTimer(std::atomic<bool>& stop, std::chrono::milliseconds after);
    ~StopTimer();
    StopTimer(const StopTimer&) = delete;
    StopTimer& operator=(const StopTimer&) = delete;

private:
    void Wait(std::chrono::milliseconds after);

    std::atomic<bool>& stop_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool done_ = false;
    std::thread thread_;
};

}  // namespace sillabor
