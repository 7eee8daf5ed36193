#pragma once
// sillabor-cli: parses the command line and runs one page's command.

#include <ostream>
#include <string>
#include <vector>

namespace sillabor::cli {

// Runs the command line; returns the exit code (0 success, 1 the command
// printed an error, 2 bad usage). Never exits the process.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace sillabor::cli
