#pragma once
// A sink that keeps every printed line, for tests.

#include <mutex>
#include <string>
#include <vector>

#include "base/output.h"

namespace sillabor::test {

class CollectingSink : public LineSink {
public:
    void WriteLine(std::string_view line) override {
        std::lock_guard lock(mutex_);
        lines_.emplace_back(line);
    }
    void Clear() override {
        std::lock_guard lock(mutex_);
        ++clears_;
    }
    std::vector<std::string> Lines() const {
        std::lock_guard lock(mutex_);
        return lines_;
    }
    void Reset() {
        std::lock_guard lock(mutex_);
        lines_.clear();
    }
    // The lines printed so far joined by '|', a separator shown as "--";
    // forgets them, so that the next call gives only what follows.
    std::string TakeJoined() {
        std::lock_guard lock(mutex_);
        std::string joined;
        for (const std::string& line : lines_)
            joined += (joined.empty() ? "" : "|") + (line == kSeparatorLine ? "--" : line);
        lines_.clear();
        return joined;
    }
    int Clears() const { return clears_; }

private:
    mutable std::mutex mutex_;
    std::vector<std::string> lines_;
    int clears_ = 0;
};

}  // namespace sillabor::test
