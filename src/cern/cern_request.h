#pragma once
// The "Cern" page's controls, as values.

#include <string>

namespace sillabor {

// Length limits of the page's fields.
inline constexpr int kCernInMaxLength = 198;
inline constexpr int kCernOutMaxLength = 30;
inline constexpr int kCernGoalMaxLength = 40;

// RadioCern's items.
enum CernMode : int {
    kCernOnTheFly = 0,  // "cernita on-the-fly"
    kCernComplete = 1,  // "completa la cernita"
};

struct CernControls {
    std::string cernIn;    // the base phrase
    std::string cernGoal;  // the letters the completion must leave, each once
    int RadioCern = kCernOnTheFly;
};

}  // namespace sillabor
