// The commands of sillabor-cli. A new page adds its function's declaration and
// one line in the list.

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

void AddPageCommands(CLI::App& app, CommandAction& action) {
    AddAnagrCommand(app, action);
    AddCercaCommand(app, action);
    AddCernCommand(app, action);
    AddCurioCommand(app, action);
    AddDecritCommand(app, action);
    AddDizioCommand(app, action);
    AddMetagrCommand(app, action);
    AddParoleCommand(app, action);
    AddTrovaCommand(app, action);
}

}  // namespace sillabor::cli
