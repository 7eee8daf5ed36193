#include "shell/save_file.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSaveFile>

namespace sillabor::shell {

bool WriteTextFile(const QString& path, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    const QFileInfo info(path);
    if (info.exists() && !info.isFile() && !info.isDir()) {
        // A device (or a link to one) is written into: replacing it with a
        // file would destroy it.
        QFile device(path);
        return device.open(QIODevice::WriteOnly) && device.write(bytes) == bytes.size() && device.flush();
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(bytes);
    return file.commit();
}

std::optional<QString> AskAndSaveText(QWidget* parent, const QString& text, const std::filesystem::path& root,
                                      const QString& remembered) {
    const QDir rootDir(QFile::decodeName(root.c_str()));
    const QFileInfo start(rootDir, remembered);
    QFileDialog dialog(parent, "Salva come");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix("txt");
    dialog.setNameFilters({"File di testo (*.txt)", "Tutti i file (*)"});
    dialog.setDirectory(start.absolutePath());
    dialog.selectFile(start.fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    const QString path = dialog.selectedFiles().first();
    if (!WriteTextFile(path, text)) {
        QMessageBox::warning(parent, "Salva come", "Impossibile scrivere il file " + QDir::toNativeSeparators(path));
        return std::nullopt;
    }
    return path;
}

}  // namespace sillabor::shell
