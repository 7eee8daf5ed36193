#include "cerca/result_lines.h"

#include <cstdio>

#include "base/output.h"
#include "cerca/cerca_run.h"

namespace sillabor {

void PrintComposition(Output& out, const char* first, const char* second, const char* whole) {
    std::snprintf(out.LineBuffer, Output::kLineBufferSize, "%s + %s -> %s", first, second, whole);
    out.PrintLineBuffer();
}

int32_t CountResult(CercaRun& run) { return run.state.FoundCount.fetch_add(1, std::memory_order_relaxed); }

}  // namespace sillabor
