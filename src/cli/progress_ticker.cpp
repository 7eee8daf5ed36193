#include "cli/progress_ticker.h"

#include <algorithm>

namespace sillabor::cli {

ProgressTicker::ProgressTicker(LineSink& inner, std::ostream& terminal, StatusFn status,
                               std::chrono::milliseconds period)
    : inner_(inner), terminal_(terminal), status_(std::move(status)), period_(period) {}

ProgressTicker::~ProgressTicker() { Stop(); }

void ProgressTicker::Start() {
    if (thread_.joinable()) return;
    {
        std::lock_guard lock(mutex_);
        stopping_ = false;
    }
    thread_ = std::thread([this] { Tick(); });
}

void ProgressTicker::Stop() {
    if (thread_.joinable()) {
        {
            std::lock_guard lock(mutex_);
            stopping_ = true;
        }
        wake_.notify_all();
        thread_.join();
    }
    std::lock_guard lock(mutex_);
    EraseLocked();
}

// A plain thread and flag rather than std::jthread, which not every standard
// library we build with has.
void ProgressTicker::Tick() {
    std::unique_lock lock(mutex_);
    while (!wake_.wait_for(lock, period_, [this] { return stopping_; })) {
        // What was printed so far goes out first, then the line below it.
        inner_.Refresh();
        DrawLocked(status_());
    }
}

// Padding covers what a longer line before left; no terminal escapes, so
// any terminal shows it.
void ProgressTicker::DrawLocked(const std::string& text) {
    std::string line = "\r" + text;
    if (text.size() < shownWidth_) line.append(shownWidth_ - text.size(), ' ');
    shownWidth_ = std::max(shownWidth_, text.size());
    terminal_ << line;
    terminal_.flush();
}

void ProgressTicker::EraseLocked() {
    if (shownWidth_ == 0) return;
    terminal_ << '\r' << std::string(shownWidth_, ' ') << '\r';
    terminal_.flush();
    shownWidth_ = 0;
}

void ProgressTicker::SetLinesShareTerminal(bool shared) {
    std::lock_guard lock(mutex_);
    linesShareTerminal_ = shared;
}

void ProgressTicker::MakeWayLocked() {
    if (linesShareTerminal_) EraseLocked();
}

void ProgressTicker::WriteLine(std::string_view line) {
    std::lock_guard lock(mutex_);
    MakeWayLocked();
    inner_.WriteLine(line);
}

void ProgressTicker::WriteLines(std::string_view lines) {
    std::lock_guard lock(mutex_);
    MakeWayLocked();
    inner_.WriteLines(lines);
}

void ProgressTicker::Refresh() {
    std::lock_guard lock(mutex_);
    MakeWayLocked();
    inner_.Refresh();
}

void ProgressTicker::Clear() {
    std::lock_guard lock(mutex_);
    MakeWayLocked();
    inner_.Clear();
}

}  // namespace sillabor::cli
