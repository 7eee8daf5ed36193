#pragma once
// The line that shows on a terminal how a search is going (the running count
// and the elapsed time), redrawn a few times a second and erased at the end.
// It stands between the printer and the real sink: a printed line first erases
// it, and the sink's buffered text is flushed only while it is erased, so the
// terminal never shows the two mixed.

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <ostream>
#include <string>
#include <thread>

#include "base/output.h"

namespace sillabor::cli {

class ProgressTicker : public LineSink {
public:
    using StatusFn = std::function<std::string()>;

    ProgressTicker(LineSink& inner, std::ostream& terminal, StatusFn status,
                   std::chrono::milliseconds period = std::chrono::milliseconds(250));
    ~ProgressTicker() override;

    // Shows the line from one period on (a quick search shows nothing).
    void Start();
    // Erases the line; the terminal is as if it had never been shown.
    void Stop();
    // Whether printed lines reach the same terminal (stderr, or stdout on a
    // terminal): only then must the line make way for them.
    void SetLinesShareTerminal(bool shared);

    void WriteLine(std::string_view line) override;
    void WriteLines(std::string_view lines) override;
    void Refresh() override;
    void Clear() override;

private:
    void Tick();
    void DrawLocked(const std::string& text);
    void EraseLocked();
    void MakeWayLocked();

    LineSink& inner_;
    std::ostream& terminal_;
    StatusFn status_;
    std::chrono::milliseconds period_;

    std::mutex mutex_;
    std::condition_variable wake_;
    bool stopping_ = false;
    size_t shownWidth_ = 0;  // columns the line covers now; 0 when erased
    bool linesShareTerminal_ = true;
    std::thread thread_;
};

}  // namespace sillabor::cli
