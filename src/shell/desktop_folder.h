#pragma once
// Opening a folder in the desktop's own file browser.

#include <QString>
#include <filesystem>

namespace sillabor::shell {

// Creates nothing; false when the desktop could not open it.
bool OpenFolder(const std::filesystem::path& folder);

// Opens the folder; "" when it was opened, otherwise the status-bar line that
// says it could not be, with the folder's path.
QString OpenFolderOrSayWhy(const std::filesystem::path& folder);

}  // namespace sillabor::shell
