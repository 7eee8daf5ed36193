// How long the window takes from "Genera" on the Parole page (default pattern,
// large dictionary already loaded) until the 10,001st line is shown in the
// output area. Prints each run and the median, in milliseconds.
// Usage: window_bench [runs]   (QT_QPA_PLATFORM=offscreen or a display)

#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "app/app.h"
#include "app/run_game.h"
#include "bench/bench_support.h"
#include "bench/window_wait.h"
#include "dizio/dizio_game.h"
#include "shell/main_window.h"

namespace {

using sillabor::bench::DataFolder;
using sillabor::bench::WaitFor;

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    sillabor::shell::MainWindow window(QString::fromStdString(DataFolder().string()));
    window.show();
    WaitFor([&] { return !window.IsBusy(); });
    window.app().dict.DictionaryName = "Grande";
    window.RunSearch(window.app().Get<sillabor::DizioGame>().Id(), sillabor::kDictionaryLoad);
    WaitFor([&] { return !window.IsBusy(); });
    if (window.app().dict.DictionaryName != "Grande") {
        std::fprintf(stderr, "the large dictionary is missing: run bench/make-large-dictionary.sh\n");
        return 1;
    }
    auto* gioco = window.findChild<QTabWidget*>("pageTabs");
    auto* output = window.findChild<QPlainTextEdit*>("outputArea");
    gioco->setCurrentIndex(1);

    std::vector<double> times;
    for (int r = 0; r < runs; ++r) {
        QElapsedTimer clock;
        double shownAt = 0;
        // 10,001 lines and the empty block after the last line end.
        auto connection = QObject::connect(output, &QPlainTextEdit::blockCountChanged, [&](int blocks) {
            if (shownAt == 0 && blocks > 10001) shownAt = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        });
        clock.start();
        window.PressStart();
        WaitFor([&] { return !window.IsBusy(); });
        QObject::disconnect(connection);
        std::printf("run %d: %.1f ms to the 10,001st line, %.1f ms to the end of the search\n", r + 1, shownAt,
                    static_cast<double>(clock.nsecsElapsed()) / 1e6);
        times.push_back(shownAt);
    }
    std::sort(times.begin(), times.end());
    std::printf("median: %.1f ms\n", times[times.size() / 2]);
    return 0;
}
