#pragma once
// What the "Cern" page asks for at each change, and what it shows back.

#include <optional>
#include <string>

namespace sillabor {

// Length limits of the page's fields.
inline constexpr int kCernBaseMaxLength = 198;
inline constexpr int kCernSelectionMaxLength = 30;
inline constexpr int kCernGoalMaxLength = 40;

// The page's two modes.
enum CernMode : int {
    kCernOnTheFly = 0,  // "cernita on-the-fly"
    kCernComplete = 1,  // "completa la cernita"
};

struct CernRequest {
    std::string base;  // the phrase, Windows-1252
    std::string goal;  // the letters the completion must leave, each once
    CernMode mode = kCernOnTheFly;
};

// What the page shows after a change: the selection of the base, and the
// text for the first status-bar panel (none: leave the panel as it is).
struct CernResult {
    std::string selection;
    std::optional<std::string> status;
};

}  // namespace sillabor
