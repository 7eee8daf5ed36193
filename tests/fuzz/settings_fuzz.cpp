// The window's settings file: any bytes as the INI file the window reads at
// start, read through SettingsStore as the window does. Whatever the file
// holds, the values that come out are usable: the last page is one of the
// pages, every page's saving mode is one of its menu's, a page that cannot
// save stays so; a damaged file gives only the defaults. Then the choices are
// written back, as the window writes them when they change, and a second
// start reads them again unchanged, from a file that is no longer damaged
// (unless it holds keys of its own, see below).
//
// Input: the file's bytes.

#include <QByteArray>
#include <QFile>
#include <QFont>
#include <QMessageLogContext>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <string>

#include "base/autosave.h"
#include "fuzz_support.h"
#include "shell/settings_store.h"

using namespace sillabor;
using namespace sillabor::fuzz;
using sillabor::shell::SettingsStore;

namespace {

// Pages as the window adds them: some save into a file, some cannot save.
constexpr int kPages = 12;
AutosaveSettings WindowPages() {
    AutosaveSettings autosave;
    for (int page = 0; page < kPages; ++page) autosave.AddPage(page, page % 3 == 2 ? "" : "Pagina" + std::to_string(page) + ".txt");
    return autosave;
}

std::array<uint8_t, kPages> Modes(const AutosaveSettings& autosave) {
    std::array<uint8_t, kPages> modes{};
    for (int page = 0; page < kPages; ++page) modes[page] = autosave.Mode(page);
    return modes;
}

std::string Text(const QString& text) { return text.toStdString(); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Qt's warnings on unreadable fonts would fill the run's log.
    static const QtMessageHandler quiet = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    (void)quiet;
    // Qt keeps the settings files it has read in memory, by name: every input
    // gets names of its own, so that each read is a read of the file.
    static unsigned long long count = 0;
    const std::string stem = (WorkFolder() / ("sillabor-" + std::to_string(++count))).string();
    const QString file = QString::fromStdString(stem + ".conf");
    const QString again = QString::fromStdString(stem + "-again.conf");
    WriteWholeFile(stem + ".conf", std::string_view(reinterpret_cast<const char*>(data), size));

    const AutosaveSettings fresh = WindowPages();
    std::optional<QFont> font;
    AutosaveSettings autosave = WindowPages();
    QByteArray geometry;
    int page = 0;
    bool foreign = false;
    {
        QSettings settings(file, QSettings::IniFormat);
        SettingsStore store(settings);
        const QString problem = store.Problem();
        const bool damaged = settings.status() == QSettings::FormatError;
        // Keys the window does not write come only from a file edited by hand:
        // Qt writes some of them back in a form it cannot read (a key ending
        // in '/'), and the next start finds the file damaged.
        const QStringList own = {"uscita/carattere", "salvataggio/modi", "finestra/geometria", "finestra/pagina"};
        for (const QString& key : settings.allKeys()) foreign = foreign || !own.contains(key);
        Require(problem.isEmpty() == (settings.status() == QSettings::NoError),
                "the settings' problem does not match their status", Text(problem));

        font = store.OutputFont();
        store.ApplyAutosave(autosave, kPages);
        for (int p = 0; p < kPages; ++p) {
            if (fresh.Mode(p) == kSaveUnavailable)
                Require(autosave.Mode(p) == kSaveUnavailable, "a page that cannot save was given a mode");
            else
                Require(autosave.Mode(p) <= kSaveNone, "a page got a saving mode outside the menu");
        }
        geometry = store.Geometry();
        const std::optional<int> last = store.LastPage(kPages);
        Require(!last || (*last >= 0 && *last < kPages), "the last page is not a page");
        page = last.value_or(kPages - 1);
        // The window says it starts with its defaults: nothing of the file may come back.
        if (damaged)
            Require(!font && Modes(autosave) == Modes(fresh) && geometry.isEmpty() && !last,
                    "a value of a damaged file was used");

        // The window writes each choice as it changes.
        if (font) store.SetOutputFont(*font);
        store.SetAutosave(autosave, kPages);
        store.SetGeometry(geometry);
        store.SetLastPage(page);
    }

    // The next start, from a copy: a file Qt has not read yet.
    Require(QFile::copy(file, again), "the settings file could not be copied");
    if (!foreign) {
        QSettings settings(again, QSettings::IniFormat);
        SettingsStore store(settings);
        Require(store.Problem().isEmpty(), "the file just written reads as damaged", Text(store.Problem()));
        // Only a font that was read is written: an odd line of a file Qt reads
        // without complaint may read otherwise once Qt has written the file again.
        if (font) {
            const std::optional<QFont> fontAgain = store.OutputFont();
            Require(fontAgain.has_value(), "the font was lost", Text(font->toString()));
            Require(fontAgain->toString() == font->toString(), "the font came back changed",
                    Text(font->toString() + " -> " + fontAgain->toString()));
        }
        AutosaveSettings autosaveAgain = WindowPages();
        store.ApplyAutosave(autosaveAgain, kPages);
        Require(Modes(autosaveAgain) == Modes(autosave), "the saving modes came back changed");
        Require(store.Geometry() == geometry, "the geometry came back changed");
        Require(store.LastPage(kPages) == page, "the last page came back changed");
    }
    QFile::remove(file);
    QFile::remove(again);
    return 0;
}
