#include "curio/curio_state.h"

namespace sillabor {

void CurioState::SetNextMicroMode(int mode) {
    microMode = (mode + kMicroModes - 1) % kMicroModes;
}

std::string CurioState::MicroCaption() const { return "micro " + std::to_string((microMode + 1) % kMicroModes + 1); }

}  // namespace sillabor
