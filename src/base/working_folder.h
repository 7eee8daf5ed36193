#pragma once
// Where the program works: the folder that holds Dizionari/, Salvataggi/ and,
// usually, the help file. A folder named on the command line wins; otherwise
// the current folder when it holds Dizionari/ (a checkout, a user's own set of
// dictionaries); otherwise a per-user folder, made on first start from the word
// list installed with the program. Started from the desktop's menu the current
// folder is the home folder, so that last case is the usual one.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace sillabor {

// What the choice depends on; the front ends read it from the process
// (InputsFromEnvironment), tests write it.
struct WorkingFolderInputs {
    std::optional<std::filesystem::path> chosenFolder;  // --cartella
    std::filesystem::path currentFolder = ".";
    std::string xdgDataHome;               // $XDG_DATA_HOME, empty when unset
    std::string home;                      // $HOME, empty when unset
    std::filesystem::path installedData;   // <prefix>/share/sillabor
};

enum class FolderOrigin { Chosen, Current, PerUser };

struct WorkingFolder {
    std::filesystem::path root;
    FolderOrigin origin = FolderOrigin::Current;
    // Lines for the user (Windows-1252): what was set up, or why it could not be.
    std::vector<std::string> messages;
};

// Chooses the folder; a per-user folder is created and seeded when needed.
WorkingFolder ChooseWorkingFolder(const WorkingFolderInputs& inputs);

// $XDG_DATA_HOME/sillabor, or ~/.local/share/sillabor when that variable is unset
// or not absolute (as the XDG rules say); empty when neither is known.
std::filesystem::path PerUserFolder(const std::string& xdgDataHome, const std::string& home);

// Copies the installed Default dictionary into root/Dizionari/ unless root
// already has a Default (in any case). The prepared file is left to the first
// load, which builds it there. Returns the lines to show; none when nothing changed.
std::vector<std::string> SeedWorkingFolder(const std::filesystem::path& root,
                                           const std::filesystem::path& installedData);

// The working folder's own help file, else the installed one.
std::filesystem::path HelpFilePath(const std::filesystem::path& root, const std::filesystem::path& installedData);

// <prefix>/share/sillabor for the running program in <prefix>/bin/; empty when
// the program's own path cannot be read.
std::filesystem::path InstalledDataFolder();

// The inputs of this process: its environment, current folder and location.
WorkingFolderInputs InputsFromEnvironment(std::optional<std::filesystem::path> chosenFolder);

}  // namespace sillabor
