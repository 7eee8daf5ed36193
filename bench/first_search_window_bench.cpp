// The first "Cerca" search in the window after loading the large dictionary:
// started the moment the load has ended ("subito"), or once the indexes built
// in the background after the load are ready ("pronti"). Prints the time from
// "Genera" to the end of the search, when the indexes were ready, and the
// resident memory after the load and at the end.
// Usage: first_search_window_bench subito|pronti [CATEGORY BASE]
// (QT_QPA_PLATFORM=offscreen or a display; the data folder as for window_bench)

#include <QApplication>
#include <QButtonGroup>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTabWidget>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "bench/bench_support.h"
#include "bench/window_wait.h"
#include "dizio/dizio_game.h"
#include "shell/cerca_page.h"
#include "shell/main_window.h"

namespace {

using sillabor::bench::DataFolder;
using sillabor::bench::WaitFor;

// VmRSS of this process, in MB.
long ResidentMb() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6) / 1024;
    return -1;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const bool atOnce = argc > 1 && std::string(argv[1]) == "subito";
    const int category = argc > 2 ? std::atoi(argv[2]) : 1;
    const QString base = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString("portafoglio");
    sillabor::shell::MainWindow window(QString::fromStdString(DataFolder().string()));
    window.show();
    WaitFor([&] { return !window.IsBusy(); });
    WaitFor([&] { return !window.PreparingIndexes(); });

    auto* page = qobject_cast<sillabor::shell::CercaPage*>(window.Page(2));
    window.findChild<QTabWidget*>("pageTabs")->setCurrentIndex(2);
    page->categoryGroup->button(category)->setChecked(true);
    page->baseField->setText(base);

    QElapsedTimer clock;
    int ended = 0;
    double loadEnd = 0, searchStart = 0, searchEnd = 0;
    long loadedMb = 0;
    QObject::connect(&window, &sillabor::shell::MainWindow::SearchEnded, [&] {
        const double now = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        if (++ended == 1) {
            loadEnd = now;
            loadedMb = ResidentMb();
            if (atOnce) {
                searchStart = now;
                window.PressStart();
            }
        } else {
            searchEnd = now;
        }
    });
    window.app().dict.DictionaryName = "Grande";
    clock.start();
    window.RunSearch(window.app().Get<sillabor::DizioGame>().Id(), sillabor::kDictionaryLoad);
    WaitFor([&] { return ended >= 1 && !window.IsBusy(); });
    if (window.app().dict.DictionaryName != "Grande") {
        std::fprintf(stderr, "the large dictionary is missing: run bench/make-large-dictionary.sh\n");
        return 1;
    }
    WaitFor([&] { return !window.PreparingIndexes(); });
    const double readyAt = static_cast<double>(clock.nsecsElapsed()) / 1e6 - loadEnd;
    if (!atOnce) {
        searchStart = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        window.PressStart();
    }
    WaitFor([&] { return ended >= 2 && !window.IsBusy(); });
    std::printf("load %.0f ms, %ld MB", loadEnd, loadedMb);
    if (!atOnce) std::printf("; indexes ready %.0f ms after it", readyAt);
    std::printf("; first search %.1f ms; %ld MB at the end\n", searchEnd - searchStart, ResidentMb());
    return 0;
}
