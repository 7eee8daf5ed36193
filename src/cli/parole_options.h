#pragma once
// The "Parole" page's filter options, shared by the parole and anagr commands.

#include <optional>
#include <string>

namespace CLI {
class App;
}

namespace sillabor {
struct ParoleControls;
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
    std::string max = "40";
};

// Adds --pattern, --pattern2, --modo1, --modo2, --o, --solo, --obbligati,
// --proibiti, --min and --max to a command.
void AddParoleFilterOptions(CLI::App& command, ParoleOptions& options);

// The page's controls as the options give them (arguments are UTF-8).
void FillParolePage(ParoleControls& page, const ParoleOptions& options);

}  // namespace sillabor::cli
