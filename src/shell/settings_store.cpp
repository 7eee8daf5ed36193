#include "shell/settings_store.h"

#include <QSettings>
#include <QStringList>

namespace sillabor::shell {

namespace {

constexpr const char* kFontKey = "uscita/carattere";
constexpr const char* kAutosaveKey = "salvataggio/modi";
constexpr const char* kGeometryKey = "finestra/geometria";
constexpr const char* kPageKey = "finestra/pagina";

}  // namespace

SettingsStore::SettingsStore(QSettings& settings) : settings_(settings) {
    // Qt parses a section only when one of its keys is asked for: all of
    // them, so that damage anywhere in the file is seen now. Of a damaged
    // file Qt keeps what it could read, and writes it back in a form it may
    // not read either: the file would stay damaged for good, and some of its
    // values would come back although the window says it uses its defaults.
    settings_.allKeys();
    if (settings_.status() == QSettings::FormatError) settings_.clear();
}

QString SettingsStore::Problem() const {
    settings_.contains(kPageKey);  // reads the file
    switch (settings_.status()) {
        case QSettings::NoError:
            return {};
        case QSettings::AccessError:
            return "Impostazioni non leggibili (" + settings_.fileName() + "): uso quelle iniziali";
        case QSettings::FormatError:
            break;
    }
    return "Impostazioni danneggiate (" + settings_.fileName() + "): uso quelle iniziali";
}

void SettingsStore::Write(const char* key, const QVariant& value) {
    settings_.setValue(key, value);
    settings_.sync();
}

std::optional<QFont> SettingsStore::OutputFont() const {
    const QString description = settings_.value(kFontKey).toString();
    QFont font;
    if (description.isEmpty() || !font.fromString(description)) return std::nullopt;
    return font;
}

void SettingsStore::SetOutputFont(const QFont& font) { Write(kFontKey, font.toString()); }

void SettingsStore::ApplyAutosave(AutosaveSettings& autosave, int pageCount) const {
    const QStringList modes = settings_.value(kAutosaveKey).toString().split(',');
    for (int page = 0; page < pageCount && page < modes.size(); ++page) {
        bool ok = false;
        const int mode = modes[page].toInt(&ok);
        if (ok && mode >= kSaveWrite && mode <= kSaveNone) autosave.SetMode(page, static_cast<uint8_t>(mode));
    }
}

void SettingsStore::SetAutosave(const AutosaveSettings& autosave, int pageCount) {
    QStringList modes;
    for (int page = 0; page < pageCount; ++page) modes << QString::number(autosave.Mode(page));
    Write(kAutosaveKey, modes.join(','));
}

QByteArray SettingsStore::Geometry() const { return settings_.value(kGeometryKey).toByteArray(); }

void SettingsStore::SetGeometry(const QByteArray& geometry) { Write(kGeometryKey, geometry); }

std::optional<int> SettingsStore::LastPage(int pageCount) const {
    bool ok = false;
    const int page = settings_.value(kPageKey).toInt(&ok);
    if (!ok || page < 0 || page >= pageCount) return std::nullopt;
    return page;
}

void SettingsStore::SetLastPage(int page) { Write(kPageKey, page); }

}  // namespace sillabor::shell
