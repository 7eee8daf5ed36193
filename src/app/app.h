#pragma once
// The application object: everything a search needs (the dictionary, the
// shared search state, the printer, the random source, the top table) and the
// registered games, one per page. The window and the command line each own one.

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "base/output.h"
#include "base/random_source.h"
#include "base/search_state.h"
#include "base/top_table.h"
#include "dictionary/dictionary.h"
#include "dictionary/dictionary_job.h"
#include "game/game.h"

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

class App : public DictionaryEvents {
public:
    // Registers every game; seeds the random source from the clock.
    explicit App(std::filesystem::path root = ".");
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

    // Adds a game; its id must be new. Returns it.
    template <typename G, typename... Args>
    G& Register(Args&&... args) {
        auto game = std::make_unique<G>(std::forward<Args>(args)...);
        G& added = *game;
        Add(std::move(game));
        return added;
    }
    // The registered games, by id.
    const std::vector<Game*>& Games() const { return byId_; }
    Game* FindGame(int id) const;
    // The registered game of type G (each type is registered once).
    template <typename G>
    G& Get() const {
        for (Game* game : byId_)
            if (auto* found = dynamic_cast<G*>(game)) return *found;
        std::abort();
    }

    // DictionaryEvents.
    void ShowDictionaryState(const std::string& text) override;
    // Prints the fatal message, shows it, and enters the permanent fatal state.
    void FatalStop() override;
    bool IsFatal() const override { return fatal_.load(std::memory_order_relaxed); }

private:
    void Add(std::unique_ptr<Game> game);

    std::vector<std::unique_ptr<Game>> games_;
    std::vector<Game*> byId_;  // ids without a game hold null
    std::atomic<bool> fatal_{false};
};

// Adds every game of the workbench to `app`: the one list of games.
void RegisterGames(App& app);

}  // namespace sillabor
