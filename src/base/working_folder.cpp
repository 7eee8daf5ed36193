#include "base/working_folder.h"

#include <pwd.h>
#include <unistd.h>

#include <cctype>
#include <cstdlib>
#include <system_error>

#include "base/help_file.h"
#include "base/text_encoding.h"

namespace sillabor {

namespace fs = std::filesystem;

namespace {

// The dictionary every start loads; the loader knows it by the same name.
constexpr const char* kSeededDictionary = "Default";

std::string Shown(const fs::path& path) { return ExternalToCp1252(path.string()); }

bool IsDefaultName(const std::string& name) {
    if (name.size() != 7) return false;
    for (size_t i = 0; i < name.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(name[i])) != std::tolower(static_cast<unsigned char>(kSeededDictionary[i])))
            return false;
    return true;
}

bool HasDefault(const fs::path& dictionaries) {
    std::error_code ec;
    for (fs::directory_iterator it(dictionaries, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        if (it->is_directory(typeError) && IsDefaultName(it->path().filename().string())) return true;
    }
    return false;
}

// Copies the regular files of `source` into the new folder `target`.
std::error_code CopyFiles(const fs::path& source, const fs::path& target) {
    std::error_code ec;
    fs::create_directory(target, ec);
    for (fs::directory_iterator it(source, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        if (!it->is_regular_file(typeError)) continue;
        fs::copy_file(it->path(), target / it->path().filename(), ec);
        if (ec) break;
    }
    return ec;
}

}  // namespace

fs::path PerUserFolder(const std::string& xdgDataHome, const std::string& home) {
    if (!xdgDataHome.empty() && fs::path(xdgDataHome).is_absolute()) return fs::path(xdgDataHome) / "sillabor";
    if (home.empty()) return {};
    return fs::path(home) / ".local" / "share" / "sillabor";
}

std::vector<std::string> SeedWorkingFolder(const fs::path& root, const fs::path& installedData) {
    const fs::path dictionaries = root / "Dizionari";
    if (HasDefault(dictionaries)) return {};
    const fs::path source = installedData / "Dizionari" / kSeededDictionary;
    std::error_code ec;
    if (installedData.empty() || !fs::is_directory(source, ec))
        return {"Non trovo il dizionario Default installato in " + Shown(source)};

    const std::string failed = "Non posso preparare la cartella di lavoro " + Shown(root) + " (";
    fs::create_directories(dictionaries, ec);
    if (ec) return {failed + ec.message() + ")"};
    // The copy is made beside Dizionari/ (where the scan does not look) and moved
    // in whole, so an interrupted first start never leaves half a word list.
    const fs::path staging = root / (".seme-Default-" + std::to_string(::getpid()));
    fs::remove_all(staging, ec);
    ec = CopyFiles(source, staging);
    if (!ec) fs::rename(staging, dictionaries / kSeededDictionary, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove_all(staging, ignored);
        // Another start may have seeded the folder at the same moment.
        if (HasDefault(dictionaries)) return {};
        return {failed + ec.message() + ")"};
    }
    return {"Preparata la cartella di lavoro " + Shown(root) + " con il dizionario Default"};
}

WorkingFolder ChooseWorkingFolder(const WorkingFolderInputs& inputs) {
    if (inputs.chosenFolder) return {*inputs.chosenFolder, FolderOrigin::Chosen, {}};
    std::error_code ec;
    if (fs::is_directory(inputs.currentFolder / "Dizionari", ec)) return {inputs.currentFolder, FolderOrigin::Current, {}};
    const fs::path perUser = PerUserFolder(inputs.xdgDataHome, inputs.home);
    if (perUser.empty())
        return {inputs.currentFolder, FolderOrigin::Current, {"Non trovo la cartella dell'utente: uso la cartella corrente"}};
    return {perUser, FolderOrigin::PerUser, SeedWorkingFolder(perUser, inputs.installedData)};
}

fs::path HelpFilePath(const fs::path& root, const fs::path& installedData) {
    const fs::path own = root / kHelpFileName;
    std::error_code ec;
    if (fs::exists(own, ec) || installedData.empty()) return own;
    const fs::path installed = installedData / own.filename();
    return fs::exists(installed, ec) ? installed : own;
}

fs::path InstalledDataFolder() {
    std::error_code ec;
    const fs::path program = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return {};
    return program.parent_path().parent_path() / "share" / "sillabor";
}

WorkingFolderInputs InputsFromEnvironment(std::optional<fs::path> chosenFolder) {
    WorkingFolderInputs inputs;
    inputs.chosenFolder = std::move(chosenFolder);
    if (const char* xdg = std::getenv("XDG_DATA_HOME")) inputs.xdgDataHome = xdg;
    if (const char* home = std::getenv("HOME"))
        inputs.home = home;
    else if (const passwd* user = ::getpwuid(::getuid()))
        inputs.home = user->pw_dir;
    inputs.installedData = InstalledDataFolder();
    return inputs;
}

}  // namespace sillabor
