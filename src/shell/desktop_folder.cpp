#include "shell/desktop_folder.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QUrl>

namespace sillabor::shell {

namespace {

QString AbsolutePath(const std::filesystem::path& folder) {
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(folder, ec);
    return QFile::decodeName((ec ? folder : absolute).c_str());
}

}  // namespace

bool OpenFolder(const std::filesystem::path& folder) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(AbsolutePath(folder)));
}

QString OpenFolderOrSayWhy(const std::filesystem::path& folder) {
    if (OpenFolder(folder)) return {};
    return "Impossibile aprire la cartella " + QDir::toNativeSeparators(AbsolutePath(folder));
}

}  // namespace sillabor::shell
