#include "cli/stream_sink.h"

#include "dictionary/text_encoding.h"

namespace sillabor::cli {

void StreamSink::WriteLine(std::string_view line) {
    *stream_ << Cp1252ToUtf8(line) << '\n';
}

}  // namespace sillabor::cli
