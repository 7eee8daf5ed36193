#include "app/app.h"

#include <cassert>
#include <utility>

#include "base/help_file.h"
#include "base/working_folder.h"

namespace sillabor {

App::App(std::filesystem::path rootFolder) : root(std::move(rootFolder)) {
    random.SeedFromClock();
    RegisterGames(*this);
}

// A working folder without its own help file reads the one installed with the program.
std::filesystem::path App::HelpFile() const { return HelpFilePath(root, InstalledDataFolder()); }

GameContext App::Context() { return GameContext{dict, out, state, random, top, *this, root}; }

void App::Add(std::unique_ptr<Game> game) {
    const int id = game->Info().id;
    assert(id >= 0 && FindGame(id) == nullptr);
    if (byId_.size() <= static_cast<size_t>(id)) byId_.resize(static_cast<size_t>(id) + 1, nullptr);
    byId_[static_cast<size_t>(id)] = game.get();
    games_.push_back(std::move(game));
}

Game* App::FindGame(int id) const {
    return (id >= 0 && static_cast<size_t>(id) < byId_.size()) ? byId_[static_cast<size_t>(id)] : nullptr;
}

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
