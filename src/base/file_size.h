#pragma once

#include <cstdint>
#include <filesystem>

namespace sillabor {

// Size in bytes of a file; 0 when it does not exist, cannot be read or is empty.
// Sizes beyond the 32-bit range are capped at its maximum.
int32_t FileSize(const std::filesystem::path& path);

}  // namespace sillabor
