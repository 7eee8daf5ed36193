#include <QApplication>
#include <QFile>
#include <QSettings>

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

    TThreadSortForm window(QFile::decodeName(start.folder.root.c_str()));
    QSettings settings("sillabor", "sillabor");
    TSettingsKeeper keeper(settings, window);
    ShowFolderMessages(window, start.folder.messages);
    window.show();
    return app.exec();
}
