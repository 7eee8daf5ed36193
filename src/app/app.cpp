#include "app/app.h"

#include <utility>

#include "base/help_file.h"
#include "base/working_folder.h"

namespace sillabor {

App::App(std::filesystem::path rootFolder, const GameList& list) : root(std::move(rootFolder)) {
    random.SeedFromClock();
    list(games);
}

// A working folder without its own help file reads the one installed with the program.
std::filesystem::path App::HelpFile() const { return HelpFilePath(root, InstalledDataFolder()); }

GameContext App::Context() { return GameContext{dict, out, state, random, top, *this, root}; }

void App::ShowDictionaryState(const std::string& text) {
    if (host != nullptr) host->ShowDictionaryState(text);
}

void App::FatalStop() {
    out.PrintLine("ERRORE FATALE : IMPOSSIBILE PROSEGUIRE !");
    out.RefreshOutput();
    fatal_ = true;
    if (host != nullptr) host->FatalStopped();
}

}  // namespace sillabor
