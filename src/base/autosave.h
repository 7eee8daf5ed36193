#pragma once
// Automatic saving of each page's results into its own file of Salvataggi/:
// the choice made for every page in the "Salvataggio automatico" menu.

#include <cstdint>
#include <string>
#include <vector>

namespace sillabor {

enum AutosaveModes : uint8_t {
    kSaveWrite = 0,        // "Salva"
    kSaveAppend = 1,       // "Accoda"
    kSaveNone = 2,         // "Non salvare"
    kSaveUnavailable = 3,  // the page has no save file, or Salvataggi/ is unusable
};

class AutosaveSettings {
public:
    // Page `page` saves into `fileName` ("" when it saves nothing). A page with
    // a file starts with "Non salvare", one without is unavailable.
    void AddPage(int page, const std::string& fileName);

    uint8_t Mode(int page) const;
    // Ignored for a page where saving is unavailable.
    void SetMode(int page, uint8_t mode);
    // The bare file name, or "".
    const std::string& FileName(int page) const;

    // A choice for every page that can save.
    void SetAll(uint8_t mode);
    // Saving unavailable everywhere.
    void DisableAll();

private:
    struct Page {
        std::string fileName;
        uint8_t mode = kSaveUnavailable;
    };
    const Page* Find(int page) const;

    std::vector<Page> pages_;
};

}  // namespace sillabor
