#pragma once
// One command per page of the window, each in its own file.

#include <functional>

namespace CLI {
class App;
}

namespace sillabor::cli {

class CliContext;

// What a parsed command does once the application exists; returns the exit code.
using CommandAction = std::function<int(CliContext&)>;

// Adds every page's subcommand to `app`; when the user picks one, its callback
// stores the action to run in `action`.
void AddPageCommands(CLI::App& app, CommandAction& action);

}  // namespace sillabor::cli
