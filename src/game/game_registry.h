#pragma once
// The registered games, one per page. A game's number is its position in the
// order of registration; each front end checks its own list of pages against
// this one when it starts.

#include <memory>
#include <string>
#include <vector>

#include "game/game.h"

namespace sillabor {

class GameRegistry {
public:
    // Adds a game and gives it the next number. A second game of the same type
    // or the same name is a fault of the program: it throws std::logic_error,
    // in every build type, so that it shows at the first start.
    template <typename G, typename... Args>
    G& Register(Args&&... args) {
        auto game = std::make_unique<G>(std::forward<Args>(args)...);
        G& added = *game;
        Add(std::move(game));
        return added;
    }
    void Add(std::unique_ptr<Game> game);

    int Count() const { return static_cast<int>(games_.size()); }
    // The game numbered `id`, or null.
    Game* Find(int id) const;
    // The game called `name`, or null.
    Game* FindByName(const std::string& name) const;
    // The registered game of type G (each type is registered once), or null.
    template <typename G>
    G* Find() const {
        for (const auto& game : games_)
            if (auto* found = dynamic_cast<G*>(game.get())) return found;
        return nullptr;
    }

private:
    std::vector<std::unique_ptr<Game>> games_;
};

// Compares a front end's list of pages, by game name in the front end's order,
// with the registered games. Returns "" when each game has exactly one page,
// else a message that names what is missing, doubled or unknown.
std::string CheckPageList(const GameRegistry& games, const std::vector<std::string>& pageNames, const std::string& frontEnd);

}  // namespace sillabor
