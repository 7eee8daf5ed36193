#pragma once
// Temporary working folders with tiny dictionaries, loaded through the real path.

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "anagr/anagr_game.h"
#include "app/app.h"
#include "game/search_job.h"
#include "cerca/cerca_game.h"
#include "dizio/dizio_game.h"
#include "parole/parole_game.h"
#include "support/collecting_sink.h"

namespace sillabor::test {

// A fresh folder under the system's temporary folder, removed on destruction.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

void WriteFile(const std::filesystem::path& path, const std::string& bytes);

// Makes `path` a file that refuses every write with "no space left on device":
// a device node of its own like /dev/full (a link to /dev/full where no node
// can be made). Code that wrongly replaced it instead of writing into it
// replaces only this node, never the system's device.
void MakeFullDisk(const std::filesystem::path& path);
std::string ReadFile(const std::filesystem::path& path);

// The bytes of a well-formed prepared file for these words (a-z, no duplicates):
// header, then the words grouped by class in the dictionary's class order.
std::string PreparedFileBytes(const std::vector<std::string>& words);

// Writes Dizionari/<name>/j_r_<name> for the words.
void WritePreparedDictionary(const std::filesystem::path& root, const std::string& name,
                             const std::vector<std::string>& words);

// A working folder with an application whose printed lines are collected.
struct Fixture {
    TempFolder folder;
    CollectingSink sink;
    std::unique_ptr<App> app;
    // The BuildOption bits of the builds made through Job().
    int buildOptions = 0;

    Fixture();
    // A dictionary job on the application, with `buildOptions`.
    DictionaryJob Job();
    // Scans Dizionari/ into the "Dizio" page's list; 0 on success.
    int Scan();
    // Runs a game's search as it stands: without RunGame's reseeding, cleared
    // stop flag and count.
    int RunAsIs(int game, int option);
    int RunAsIs(const SearchJob& job);
    template <typename G>
    int RunAsIs(int option) {
        return RunAsIs(app->Get<G>().Id(), option);
    }
    // Writes a prepared "Default" for the words, scans and loads it; the lines
    // of the load are then forgotten.
    void LoadDefault(const std::vector<std::string>& words);
};

}  // namespace sillabor::test
