#pragma once
// What the search thread and the window share while a search runs.

#include <atomic>
#include <cstdint>
#include <string>

namespace sillabor {

#if defined(SILLABOR_NO_THREADS)
// With no second thread nothing can set StopRequested while a search runs:
// the host, if it sets this, looks for its "Stop !" (or a time limit) at the
// searches' own checks, and requests the stop from there.
inline void (*gStopPoll)() = nullptr;
#endif

struct SearchState {
    std::atomic<bool> StopRequested{false};
    // Results, items processed or a percentage, as StatusMode says.
    std::atomic<int32_t> FoundCount{0};
    // Selects the status-bar text, 0..8.
    std::atomic<int32_t> StatusMode{0};

    bool Stopping() const {
#if defined(SILLABOR_NO_THREADS)
        if (gStopPoll != nullptr) gStopPoll();
#endif
        return StopRequested.load(std::memory_order_relaxed);
    }
    void CountOne() { FoundCount.fetch_add(1, std::memory_order_relaxed); }
};

// Status modes by name.
enum StatusModes : int32_t {
    kStatusGenerated = 0,
    kStatusLoading = 1,
    kStatusBuilding = 2,
    kStatusExporting = 3,
    kStatusInfoWords = 4,
    kStatusInfoClasses = 5,
    kStatusPercent = 6,
    kStatusFoundMale = 7,
    kStatusFoundFemale = 8,
};

// The status-bar text for a mode, the shared count and the elapsed milliseconds.
// wordCount and classCount are the dictionary's slot and class counts, used by
// the percentage modes.
std::string StatusText(int32_t mode, int32_t found, int64_t elapsedMs, int32_t wordCount,
                       int32_t classCount);

}  // namespace sillabor
