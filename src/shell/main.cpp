#include <QApplication>
#include <QFile>
#include <QSettings>
#include <cstdio>
#include <memory>
#include <stdexcept>

#include "shell/settings_keeper.h"
#include "shell/thread_sort_form.h"
#include "shell/window_start.h"

int main(int argc, char* argv[]) {
    using namespace sillabor::shell;
    if (const std::optional<int> answered = AnswerWithoutWindow(argc, argv)) return *answered;
    QApplication app(argc, argv);
    QApplication::setApplicationName("Sillabor 2.0");
    QApplication::setApplicationDisplayName("Sillabor 2.0");
    QGuiApplication::setDesktopFileName("sillabor");
    const WindowStart start = PrepareWindowStart(QApplication::arguments());
    if (start.exitCode) return *start.exitCode;

    std::unique_ptr<TThreadSortForm> made;
    try {
        made = std::make_unique<TThreadSortForm>(QFile::decodeName(start.folder.root.c_str()));
    } catch (const std::logic_error& fault) {
        // A page missing from the lists: a fault of this build, shown at every start.
        std::fprintf(stderr, "sillabor: %s\n", fault.what());
        return 1;
    }
    TThreadSortForm& window = *made;
    QSettings settings("sillabor", "sillabor");
    TSettingsKeeper keeper(settings, window);
    ShowFolderMessages(window, start.folder.messages);
    window.show();
    return app.exec();
}
