#include "curio/curio_state.h"

namespace sillabor {

void CurioState::SetNextMicroMode(int mode) {
    MicroMode = (mode + kMicroModes - 1) % kMicroModes;
    MicroCaption = "micro " + std::to_string(mode + 1);
}

}  // namespace sillabor
