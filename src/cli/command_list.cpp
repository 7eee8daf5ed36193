// The commands of sillabor-cli. A new page adds its function's declaration and
// one line in the list; the start-up check matches the list with the games.

#include "cli/cli_commands.h"

namespace sillabor::cli {

void AddAnagrCommand(CLI::App& app, CommandAction& action);
void AddCercaCommand(CLI::App& app, CommandAction& action);
void AddCernCommand(CLI::App& app, CommandAction& action);
void AddCurioCommand(CLI::App& app, CommandAction& action);
void AddDecritCommand(CLI::App& app, CommandAction& action);
void AddDizioCommand(CLI::App& app, CommandAction& action);
void AddMetagrCommand(CLI::App& app, CommandAction& action);
void AddParoleCommand(CLI::App& app, CommandAction& action);
void AddTrovaCommand(CLI::App& app, CommandAction& action);

const std::vector<PageCommand>& PageCommands() {
    static const std::vector<PageCommand> commands = {
        {"anagr", AddAnagrCommand},   {"cerca", AddCercaCommand},   {"cern", AddCernCommand},
        {"curio", AddCurioCommand},   {"decrit", AddDecritCommand}, {"dizio", AddDizioCommand},
        {"metagr", AddMetagrCommand}, {"parole", AddParoleCommand}, {"trova", AddTrovaCommand},
    };
    return commands;
}

}  // namespace sillabor::cli
