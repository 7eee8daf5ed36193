#include "cli/stream_sink.h"

#include "base/text_encoding.h"

namespace sillabor::cli {

namespace {

// Most lines are plain ASCII, which is already UTF-8.
void WriteUtf8(std::ostream& stream, std::string_view text) {
    unsigned char high = 0;
    for (const char c : text) high |= static_cast<unsigned char>(c);
    if (high < 0x80)
        stream.write(text.data(), static_cast<std::streamsize>(text.size()));
    else
        stream << Cp1252ToUtf8(text);
}

}  // namespace

void StreamSink::WriteLine(std::string_view line) {
    WriteUtf8(*stream_, line);
    stream_->put('\n');
}

void StreamSink::WriteLines(std::string_view lines) { WriteUtf8(*stream_, lines); }

}  // namespace sillabor::cli
