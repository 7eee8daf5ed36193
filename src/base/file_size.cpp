#include "base/file_size.h"

#include <limits>
#include <system_error>

namespace sillabor {

int32_t FileSize(const std::filesystem::path& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return 0;
    auto size = std::filesystem::file_size(path, ec);
    if (ec) return 0;
    if (size > static_cast<uintmax_t>(std::numeric_limits<int32_t>::max()))
        return std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(size);
}

}  // namespace sillabor
