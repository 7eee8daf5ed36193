#pragma once
// The application object: everything a search needs (the dictionary, the
// shared search state, the printer, the random source, the top table) and the
// registered games, one per page. The window and the command line each own one.

#include <atomic>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "base/output.h"
#include "base/random_source.h"
#include "base/search_state.h"
#include "base/top_table.h"
#include "dictionary/dictionary.h"
#include "dictionary/dictionary_job.h"
#include "game/game.h"
#include "game/game_registry.h"

namespace sillabor {

// What the application asks of whoever hosts it (the window, the command line,
// a test). Called from either thread.
class AppHost {
public:
    virtual ~AppHost() = default;
    // Status panel 1: "Dizionario: ..." texts.
    virtual void ShowDictionaryState(const std::string& /*text*/) {}
    // The application has entered its fatal state.
    virtual void FatalStopped() {}
};

// Fills a registry with the games of the workbench, in the order of their pages.
using GameList = std::function<void(GameRegistry&)>;

// Adds every game of the workbench: the one list of games.
void RegisterGames(GameRegistry& games);

class App : public DictionaryEvents {
public:
    // Registers the games of `games` (by default every game of the workbench);
    // seeds the random source from the clock.
    explicit App(std::filesystem::path root = ".", const GameList& games = RegisterGames);
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    // The working folder, holding Dizionari/, Salvataggi/ and the help file.
    std::filesystem::path root;
    std::filesystem::path DictionariesDir() const { return root / "Dizionari"; }
    std::filesystem::path SavesDir() const { return root / "Salvataggi"; }
    std::filesystem::path HelpFile() const;

    Dictionary dict;
    SearchState state;
    Output out;
    RandomSource random;
    TopTable top;
    AppHost* host = nullptr;

    // What a game's search works on.
    GameContext Context();
    // What a dictionary scan, load, build or export works on.
    DictionaryJob Job(int* buildOptions = nullptr) { return Context().Job(buildOptions); }

    // The registered games; a game's number is its position in this registry.
    GameRegistry games;
    // Adds a game after those of the list (tests add stand-ins this way).
    template <typename G, typename... Args>
    G& Register(Args&&... args) {
        return games.Register<G>(std::forward<Args>(args)...);
    }
    Game* FindGame(int id) const { return games.Find(id); }
    // The registered game of type G. Every front end asks only for games of the
    // workbench's list, which its start-up check has matched with its pages.
    template <typename G>
    G& Get() const {
        G* found = games.Find<G>();
        if (found == nullptr) throw std::logic_error("gioco non registrato");
        return *found;
    }

    // DictionaryEvents.
    void ShowDictionaryState(const std::string& text) override;
    // Prints the fatal message, shows it, and enters the permanent fatal state.
    void FatalStop() override;
    bool IsFatal() const override { return fatal_.load(std::memory_order_relaxed); }

private:
    std::atomic<bool> fatal_{false};
};

}  // namespace sillabor
