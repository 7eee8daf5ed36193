#include "cerca/result_lines.h"

#include <cstdio>

#include "base/output.h"
#include "cerca/cerca_run.h"

namespace sillabor {

void PrintComposition(Output& out, const char* first, const char* second, const char* whole) {
    out.PrintFormatted("%s + %s -> %s", first, second, whole);
}

void PrintComposition(Output& out, const Marked& first, const Marked& second, const Marked& whole) {
    char texts[3][kScratchLength];
    const Marked* parts[3] = {&first, &second, &whole};
    for (int i = 0; i < 3; ++i) CopyMarked(texts[i], parts[i]->text, parts[i]->length, parts[i]->from, parts[i]->to);
    PrintComposition(out, texts[0], texts[1], texts[2]);
}

int32_t CountResult(CercaRun& run) { return run.state.FoundCount.fetch_add(1, std::memory_order_relaxed); }

}  // namespace sillabor
