#include "cli/stream_sink.h"

#include <algorithm>

#include "base/text_encoding.h"

namespace sillabor::cli {

void StreamSink::WriteLine(std::string_view line) {
    // Most lines are plain ASCII, which is already UTF-8.
    const bool ascii = std::all_of(line.begin(), line.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (ascii)
        stream_->write(line.data(), static_cast<std::streamsize>(line.size()));
    else
        *stream_ << Cp1252ToUtf8(line);
    stream_->put('\n');
}

}  // namespace sillabor::cli
