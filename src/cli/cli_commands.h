#pragma once
// One command per page of the window, each in its own file.

#include <functional>
#include <vector>

#include "app/app.h"

namespace CLI {
class App;
}

namespace sillabor::cli {

class CliContext;

// What a parsed command does once the application exists; returns the exit code.
using CommandAction = std::function<int(CliContext&)>;

// A page's command: the game it runs, by name (which is also the command's
// name), and the function that adds it to the parser; when the user picks it,
// its callback stores the action to run in `action`.
struct PageCommand {
    const char* game;
    void (*add)(CLI::App& app, CommandAction& action);
};

// The commands of sillabor-cli, one for each registered game.
const std::vector<PageCommand>& PageCommands();

// What sillabor-cli is made of: the games and the commands over them (tests
// put stand-ins here).
struct CliPages {
    GameList games = RegisterGames;
    std::vector<PageCommand> commands = PageCommands();
};

}  // namespace sillabor::cli
