#pragma once
// Opening a folder in the desktop's own file browser.

#include <filesystem>

namespace sillabor::shell {

// Creates nothing; false when the desktop could not open it.
bool OpenFolder(const std::filesystem::path& folder);

}  // namespace sillabor::shell
