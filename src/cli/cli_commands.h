#pragma once
// One command per page of the window, each in its own file.

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "app/app.h"

namespace CLI {
class App;
}

namespace sillabor::cli {

class CliContext;

// What a parsed command does once the application exists; returns the exit code.
using CommandAction = std::function<int(CliContext&)>;

// Where a text field's text goes among a command's arguments.
inline const std::string kTextField = "\x01TESTO\x01";

// A field of a command where the user types free text: a command line that
// reaches it, with kTextField in the field's place, and the longest text the
// field takes (0: no limit of its own). Tests fill each field with hostile text.
struct TextField {
    std::vector<std::string> args;
    size_t maxLength = 0;
};

// A page's command: the game it runs, by name (which is also the command's
// name), the function that adds it to the parser (when the user picks it, its
// callback stores the action to run in `action`), and its text fields.
struct PageCommand {
    const char* game;
    void (*add)(CLI::App& app, CommandAction& action);
    std::vector<TextField> (*textFields)();
};

// The text fields of the options every command shares.
std::vector<TextField> CommonTextFields();

// The commands of sillabor-cli, one for each registered game.
const std::vector<PageCommand>& PageCommands();

// What sillabor-cli is made of: the games and the commands over them (tests
// put stand-ins here).
struct CliPages {
    GameList games = RegisterGames;
    std::vector<PageCommand> commands = PageCommands();
};

}  // namespace sillabor::cli
