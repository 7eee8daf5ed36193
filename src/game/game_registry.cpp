#include "game/game_registry.h"

#include <algorithm>
#include <stdexcept>
#include <typeinfo>

namespace sillabor {

void GameRegistry::Add(std::unique_ptr<Game> game) {
    const std::string name = game->Info().name;
    // Through references: typeid of a dereferenced pointer is an expression
    // with side effects to clang, a warning that CI turns into an error.
    const Game& added = *game;
    for (const auto& other : games_) {
        const Game& registered = *other;
        if (typeid(registered) == typeid(added) || name == registered.Info().name)
            throw std::logic_error("il gioco \"" + name + "\" e' registrato due volte");
    }
    game->id_ = Count();
    games_.push_back(std::move(game));
}

Game* GameRegistry::Find(int id) const { return (id >= 0 && id < Count()) ? games_[static_cast<size_t>(id)].get() : nullptr; }

Game* GameRegistry::FindByName(const std::string& name) const {
    for (const auto& game : games_)
        if (name == game->Info().name) return game.get();
    return nullptr;
}

std::string CheckPageList(const GameRegistry& games, const std::vector<std::string>& pageNames, const std::string& frontEnd) {
    std::string problems;
    auto note = [&](const std::string& problem) { problems += (problems.empty() ? "" : "; ") + problem; };
    for (size_t i = 0; i < pageNames.size(); ++i) {
        if (games.FindByName(pageNames[i]) == nullptr) note("\"" + pageNames[i] + "\" non e' un gioco registrato");
        if (std::find(pageNames.begin(), pageNames.begin() + static_cast<std::ptrdiff_t>(i), pageNames[i]) !=
            pageNames.begin() + static_cast<std::ptrdiff_t>(i))
            note("\"" + pageNames[i] + "\" compare due volte");
    }
    for (int id = 0; id < games.Count(); ++id) {
        const std::string name = games.Find(id)->Info().name;
        if (std::find(pageNames.begin(), pageNames.end(), name) == pageNames.end()) note("manca \"" + name + "\"");
    }
    return problems.empty() ? "" : frontEnd + ": elenco delle pagine errato: " + problems;
}

}  // namespace sillabor
