#include "search/autosave.h"

namespace sillabor {

const char* SaveFileName(int page) {
    static const char* const kNames[kPageCount] = {
        "Anagrammi.txt", "Parole.txt", "Cerca.txt", "Trova.txt", "Metagr.txt", "", "Curio.txt", "", ""};
    return (page >= 0 && page < kPageCount) ? kNames[page] : "";
}

void AutosaveSettings::SetAll(uint8_t mode) {
    for (uint8_t& m : AutosaveMode)
        if (m != kSaveUnavailable) m = mode;
}

}  // namespace sillabor
