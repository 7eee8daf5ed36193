#include <QApplication>

#include "shell/thread_sort_form.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Sillabor 2.0");
    QApplication::setApplicationDisplayName("Sillabor 2.0");
    sillabor::shell::TThreadSortForm window;
    window.show();
    return app.exec();
}
