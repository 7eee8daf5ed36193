#pragma once
// What a search of the "Curio" page asks for, and what it gives back to the page.

#include <optional>
#include <string>

namespace sillabor {

struct CurioRequest {
    // The report's code, 1..30.
    int report = 0;
    // For "micro": the mode this run uses (0..4); empty, the one after the last run's.
    std::optional<int> microMode;
};

struct CurioResult {
    // The caption of the "micro" button after the run: the mode the next run uses.
    std::string microCaption;
};

}  // namespace sillabor
