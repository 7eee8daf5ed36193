#include "shell/desktop_folder.h"

#include <QDesktopServices>
#include <QFile>
#include <QUrl>

namespace sillabor::shell {

bool OpenFolder(const std::filesystem::path& folder) {
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(folder, ec);
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QFile::decodeName((ec ? folder : absolute).c_str())));
}

}  // namespace sillabor::shell
