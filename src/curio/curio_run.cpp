#include "curio/curio_run.h"

namespace sillabor {

std::string Upper(std::string_view word) {
    std::string upper(word);
    ShiftUpperAll(upper);
    return upper;
}

std::string MarkLetters(std::string_view word, int first, int second) {
    std::string marked(word);
    marked[static_cast<size_t>(first)] = static_cast<char>(marked[static_cast<size_t>(first)] - 32);
    if (second >= 0) marked[static_cast<size_t>(second)] = static_cast<char>(marked[static_cast<size_t>(second)] - 32);
    return marked;
}

void PrintTopList(CurioRun& run, bool withLe, std::string_view text) {
    PrintTopList(run, withLe, text, [&run](int32_t slot) { return run.Word(slot); });
}

}  // namespace sillabor
