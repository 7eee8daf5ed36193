#include <QApplication>
#include <QFile>
#include <QSettings>
#include <cstdio>
#include <memory>
#include <stdexcept>

#include "shell/main_window.h"
#include "shell/settings_keeper.h"
#include "shell/toolkit_language.h"
#include "shell/window_start.h"

int main(int argc, char* argv[]) {
    using namespace sillabor::shell;
    if (const std::optional<int> answered = AnswerWithoutWindow(argc, argv)) return *answered;
    QApplication app(argc, argv);
    QApplication::setApplicationName("Sillabor " SILLABOR_VERSION);
    QApplication::setApplicationDisplayName("Sillabor " SILLABOR_VERSION);
    QGuiApplication::setDesktopFileName("sillabor");
    InstallItalianToolkitTexts(app);
    const WindowStart start = PrepareWindowStart(QApplication::arguments());
    if (start.exitCode) return *start.exitCode;

    std::unique_ptr<MainWindow> made;
    try {
        made = std::make_unique<MainWindow>(QFile::decodeName(start.folder.root.c_str()));
    } catch (const std::logic_error& fault) {
        // A page missing from the lists: a fault of this build, shown at every start.
        std::fprintf(stderr, "sillabor: %s\n", fault.what());
        return 1;
    }
    MainWindow& window = *made;
    QSettings settings("sillabor", "sillabor");
    SettingsKeeper keeper(settings, window);
    ShowFolderMessages(window, start.folder.messages);
    window.show();
    return app.exec();
}
