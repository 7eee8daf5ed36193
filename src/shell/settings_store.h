#pragma once
// The choices a user expects to find again at the next start: the output
// area's font, each page's automatic saving, the window's geometry and the
// page last shown. Absent or unreadable values read as absent, so a first
// start keeps the window's own defaults.

#include <QByteArray>
#include <QFont>
#include <optional>

#include "base/autosave.h"

class QSettings;

namespace sillabor::shell {

class SettingsStore {
public:
    // A damaged file is read as empty; the first choice written replaces it.
    explicit SettingsStore(QSettings& settings);

    // Why the stored choices could not be read (a damaged or unreadable
    // file), or "" when they could; the window then starts with its defaults.
    QString Problem() const;

    std::optional<QFont> OutputFont() const;
    void SetOutputFont(const QFont& font);

    // Gives the stored choice to each of the first `pageCount` pages that can
    // save now; a page that cannot (it has no save file, or Salvataggi/ is
    // unusable) keeps its state.
    void ApplyAutosave(AutosaveSettings& autosave, int pageCount) const;
    void SetAutosave(const AutosaveSettings& autosave, int pageCount);

    QByteArray Geometry() const;
    void SetGeometry(const QByteArray& geometry);

    std::optional<int> LastPage(int pageCount) const;
    void SetLastPage(int page);

private:
    // Every change is on disk at once: a crash or a kill keeps it.
    void Write(const char* key, const QVariant& value);

    QSettings& settings_;
};

}  // namespace sillabor::shell
