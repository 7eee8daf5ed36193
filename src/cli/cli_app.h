#pragma once
// sillabor-cli: parses the command line and runs one page's command.

#include <ostream>
#include <string>
#include <vector>

#include "cli/cli_commands.h"
#include "cli/cli_context.h"

namespace sillabor::cli {

// Which of the two streams are terminals.
struct Terminals {
    bool out = false;
    bool err = false;
};

// Runs the command line; returns the exit code (0 success, 1 the command
// printed an error, 2 bad usage). Never exits the process. A search shows its
// progress on `err` only when that is a terminal.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, Terminals terminals = {});

// The same over other games and commands. A game without its command, a
// command without its game, or a game registered twice prints what is wrong
// and returns 1 before anything else. With `kept`, the application stays
// there for the next command line (see KeptApp).
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, Terminals terminals,
           const CliPages& pages, KeptApp* kept = nullptr);

}  // namespace sillabor::cli
