#include "curio/curio_run.h"
#include "base/letter_case.h"

namespace sillabor {

std::string Upper(std::string_view word) {
    std::string upper(word);
    ToUpperLetters(upper);
    return upper;
}

std::string MarkLetters(std::string_view word, int first, int second) {
    std::string marked(word);
    // A position past the word (from a damaged cache file) marks nothing.
    for (const int at : {first, second})
        if (at >= 0 && static_cast<size_t>(at) < marked.size())
            marked[static_cast<size_t>(at)] = ToUpperAscii(marked[static_cast<size_t>(at)]);
    return marked;
}

void PrintTopList(CurioRun& run, bool withLe, std::string_view text) {
    PrintTopList(run, withLe, text, [&run](int32_t slot) { return run.Word(slot); });
}

}  // namespace sillabor
