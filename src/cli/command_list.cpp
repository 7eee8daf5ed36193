// The commands of sillabor-cli. A new page adds its functions' declarations and
// one line in the list; the start-up check matches the list with the games.

#include "cli/cli_commands.h"

namespace sillabor::cli {

void AddAnagrCommand(CLI::App& app, CommandAction& action);
std::vector<TextField> AnagrTextFields();
void AddCercaCommand(CLI::App& app, CommandAction& action);
std::vector<TextField> CercaTextFields();
void AddCernCommand(CLI::App& app, CommandAction& action);
std::vector<TextField> CernTextFields();
void AddCurioCommand(CLI::App& app, CommandAction& action);
std::vector<TextField> CurioTextFields();
void AddDecritCommand(CLI::App& app, CommandAction& action);
std::vector<TextField> DecritTextFields();
void AddDizioCommand(CLI::App& app, CommandAction& action);
std::vector<TextField> DizioTextFields();
void AddMetagrCommand(CLI::App& app, CommandAction& action);
std::vector<TextField> MetagrTextFields();
void AddParoleCommand(CLI::App& app, CommandAction& action);
std::vector<TextField> ParoleTextFields();
void AddTrovaCommand(CLI::App& app, CommandAction& action);
std::vector<TextField> TrovaTextFields();

const std::vector<PageCommand>& PageCommands() {
    static const std::vector<PageCommand> commands = {
        {"anagr", AddAnagrCommand, AnagrTextFields},    {"cerca", AddCercaCommand, CercaTextFields},
        {"cern", AddCernCommand, CernTextFields},       {"curio", AddCurioCommand, CurioTextFields},
        {"decrit", AddDecritCommand, DecritTextFields}, {"dizio", AddDizioCommand, DizioTextFields},
        {"metagr", AddMetagrCommand, MetagrTextFields}, {"parole", AddParoleCommand, ParoleTextFields},
        {"trova", AddTrovaCommand, TrovaTextFields},
    };
    return commands;
}

}  // namespace sillabor::cli
