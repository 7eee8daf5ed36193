#pragma once
// Automatic saving of each page's results into its own file of Salvataggi/.

#include <array>
#include <cstdint>
#include <string>

namespace sillabor {

enum AutosaveModes : uint8_t {
    kSaveWrite = 0,        // "Salva"
    kSaveAppend = 1,       // "Accoda"
    kSaveNone = 2,         // "Non salvare"
    kSaveUnavailable = 3,  // the page has no save file, or Salvataggi/ is unusable
};

inline constexpr int kPageCount = 9;

// The save file of a page, or "" for the pages that have none.
const char* SaveFileName(int page);

struct AutosaveSettings {
    std::array<uint8_t, kPageCount> AutosaveMode{2, 2, 2, 2, 2, 3, 2, 3, 3};

    // A choice for every page that can save.
    void SetAll(uint8_t mode);
    // Saving unavailable everywhere.
    void DisableAll() { AutosaveMode.fill(kSaveUnavailable); }
};

}  // namespace sillabor
