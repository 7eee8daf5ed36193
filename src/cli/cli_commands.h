#pragma once
// One command per page of the window, each in its own file.

#include <functional>

namespace CLI {
class App;
}

namespace sillabor::cli {

class CliContext;

// What a parsed command does once the workbench exists; returns the exit code.
using CommandAction = std::function<int(CliContext&)>;

// Each adds its subcommand to `app`; when the user picks it, its callback
// stores the action to run in `action`.
void AddDizioCommand(CLI::App& app, CommandAction& action);
void AddParoleCommand(CLI::App& app, CommandAction& action);
void AddAnagrCommand(CLI::App& app, CommandAction& action);
void AddCercaCommand(CLI::App& app, CommandAction& action);

}  // namespace sillabor::cli
