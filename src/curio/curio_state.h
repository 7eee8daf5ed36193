#pragma once
// What the "Curio" page keeps between its searches: the mode of the "micro"
// report, which moves on at every run.

#include <cstdint>
#include <string>

namespace sillabor {

inline constexpr int kMicroModes = 5;

struct CurioState {
    // The mode the last "micro" run used, 0..4; -1 before the first run.
    int32_t microMode = -1;
    // Makes the next "micro" run use `mode` (0..4).
    void SetNextMicroMode(int mode);
    // The caption of the "micro" button: the number of the mode the next run uses.
    std::string MicroCaption() const;
};

}  // namespace sillabor
