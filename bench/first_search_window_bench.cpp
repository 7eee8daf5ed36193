// The first search in the window after loading the large dictionary: a
// "Cerca" search, a "Trova" list or a ladder of "Metagr", started the moment
// the load has ended ("subito"), or once the work done in the background
// after the load has ended ("pronti"). Prints the time from "Genera" to the
// end of the search, when the background work ended, and the resident memory
// after the load, then (pronti) once the background work has ended, and at
// the end.
// Usage: first_search_window_bench subito|pronti [CATEGORY BASE]
//        first_search_window_bench subito|pronti trova [GAME]      (default 1, cambi)
//        first_search_window_bench subito|pronti metagr [FROM TO]  (default pennello forbice,
//                                                                   with additions and metanagrams)
// (QT_QPA_PLATFORM=offscreen or a display; the data folder as for window_bench)

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
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
#include "cerca/cerca_game.h"
#include "dizio/dizio_game.h"
#include "metagr/metagr_game.h"
#include "shell/cerca_page.h"
#include "shell/main_window.h"
#include "shell/metagr_page.h"
#include "shell/trova_page.h"
#include "trova/trova_game.h"

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
    const std::string kind = argc > 2 ? argv[2] : "";
    const auto arg = [&](int k, const char* otherwise) {
        return argc > k ? QString::fromLocal8Bit(argv[k]) : QString(otherwise);
    };
    sillabor::shell::MainWindow window(QString::fromStdString(DataFolder().string()));
    window.show();
    WaitFor([&] { return !window.IsBusy(); });
    WaitFor([&] { return !window.PreparingIndexes(); });

    int pageIndex = 0;
    if (kind == "trova") {
        pageIndex = window.app().Get<sillabor::TrovaGame>().Id();
        auto* page = qobject_cast<sillabor::shell::TrovaPage*>(window.Page(pageIndex));
        page->gameList->button(arg(3, "1").toInt())->setChecked(true);
    } else if (kind == "metagr") {
        pageIndex = window.app().Get<sillabor::MetagrGame>().Id();
        auto* page = qobject_cast<sillabor::shell::MetagrPage*>(window.Page(pageIndex));
        page->startWord->setText(arg(3, "pennello"));
        page->endWord->setText(arg(4, "forbice"));
        page->addRemove->setChecked(true);
        page->rearrange->setChecked(true);
    } else {
        pageIndex = window.app().Get<sillabor::CercaGame>().Id();
        auto* page = qobject_cast<sillabor::shell::CercaPage*>(window.Page(pageIndex));
        page->categoryGroup->button(arg(2, "1").toInt())->setChecked(true);
        page->baseField->setText(arg(3, "portafoglio"));
    }
    window.findChild<QTabWidget*>("pageTabs")->setCurrentIndex(pageIndex);

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
    const long readyMb = ResidentMb();
    if (!atOnce) {
        searchStart = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        window.PressStart();
    }
    WaitFor([&] { return ended >= 2 && !window.IsBusy(); });
    std::printf("load %.0f ms, %ld MB", loadEnd, loadedMb);
    if (!atOnce) std::printf("; background work ended %.0f ms after it, %ld MB", readyAt, readyMb);
    std::printf("; first search %.1f ms; %ld MB at the end\n", searchEnd - searchStart, ResidentMb());
    return 0;
}
