#pragma once
// Printed lines to a stream, in UTF-8.

#include <ostream>

#include "base/output.h"

namespace sillabor::cli {

class StreamSink : public LineSink {
public:
    explicit StreamSink(std::ostream& stream) : stream_(&stream) {}
    void SetStream(std::ostream& stream) { stream_ = &stream; }
    void WriteLine(std::string_view line) override;
    void WriteLines(std::string_view lines) override;
    void Refresh() override { stream_->flush(); }

private:
    std::ostream* stream_;
};

}  // namespace sillabor::cli
