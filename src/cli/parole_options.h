#pragma once
// The "Parole" page's filter options, shared by the parole and anagr commands.

#include <optional>
#include <string>

#include "dictionary/dictionary.h"

namespace CLI {
class App;
}

namespace sillabor {
struct ParoleRequest;
}

namespace sillabor::cli {

struct ParoleOptions {
    std::string pattern = "*";
    std::string pattern2;
    std::string modo1 = "soddisfa";
    std::string modo2 = "ignora";
    bool orMode = false;
    std::optional<std::string> solo;
    std::string obbligati;
    std::string proibiti;
    std::string min = "0";
    std::string max = std::to_string(kLengthFieldTop);
};

// Adds --pattern, --pattern2, --modo1, --modo2, --o, --solo, --obbligati,
// --proibiti, --min and --max to a command.
void AddParoleFilterOptions(CLI::App& command, ParoleOptions& options);

// The request the options make (arguments are UTF-8); the lengths stay text
// for the page's own reading of its fields.
ParoleRequest ParoleRequestOf(const ParoleOptions& options);

}  // namespace sillabor::cli
