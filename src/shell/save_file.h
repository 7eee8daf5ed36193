#pragma once
// The manual "Salva": the whole output area into a file of the user's choice.

#include <QString>
#include <filesystem>
#include <optional>

class QWidget;

namespace sillabor::shell {

// Writes `text` as UTF-8, replacing the file only once it is complete.
bool WriteTextFile(const QString& path, const QString& text);

// Asks for a file name ("Salva come", starting from `remembered`, relative to
// `root` when not absolute) and writes `text` there. Returns the chosen name
// when the file was written; reports a failure to the user.
std::optional<QString> AskAndSaveText(QWidget* parent, const QString& text, const std::filesystem::path& root,
                                      const QString& remembered);

}  // namespace sillabor::shell
