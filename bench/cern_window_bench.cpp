// The "Cern" page in the window on the large dictionary: how long showing the
// page takes (the parity masks), and how long the heaviest keystroke keeps the
// window thread: the completion that lists the most words, from the change of
// the field until the output area holds the lines, and until it is painted.
// Prints each run and the medians, in milliseconds.
// Usage: cern_window_bench [runs]   (QT_QPA_PLATFORM=offscreen or a display)

#include <QApplication>
#include <QButtonGroup>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

#include "bench/bench_support.h"
#include "bench/window_wait.h"
#include "bench/cern_worst_base.h"
#include "dizio/dizio_game.h"
#include "shell/cern_page.h"
#include "shell/main_window.h"

namespace {

using sillabor::bench::DataFolder;
using sillabor::bench::WaitFor;

double Milliseconds(const QElapsedTimer& clock) { return static_cast<double>(clock.nsecsElapsed()) / 1e6; }

// The window thread's own CPU time: steady on a machine busy with other work.
double ThreadCpuMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    sillabor::shell::MainWindow window(QString::fromStdString(sillabor::bench::DataFolder().string()));
    window.show();
    WaitFor([&] { return !window.IsBusy(); });
    window.app().dict.DictionaryName = "Grande";
    window.RunSearch(window.app().Get<sillabor::DizioGame>().Id(), sillabor::kDictionaryLoad);
    WaitFor([&] { return !window.IsBusy(); });
    if (window.app().dict.DictionaryName != "Grande") {
        std::fprintf(stderr, "the large dictionary is missing: run bench/make-large-dictionary.sh\n");
        return 1;
    }

    auto* page = qobject_cast<sillabor::shell::CernPage*>(window.Page(7));
    auto* output = window.findChild<QPlainTextEdit*>("outputArea");
    QElapsedTimer clock;
    clock.start();
    double cpu = ThreadCpuMilliseconds();
    window.findChild<QTabWidget*>("pageTabs")->setCurrentIndex(7);
    std::printf("page shown (masks of %d classes): %.1f ms, %.1f ms CPU\n", window.app().dict.ClassCount,
                Milliseconds(clock), ThreadCpuMilliseconds() - cpu);
    QApplication::processEvents();

    page->modeGroup->button(sillabor::kCernComplete)->click();
    const sillabor::bench::WorstCernBase worst =
        sillabor::bench::FindWorstCernBase(window.app().dict, window.app().Get<sillabor::CernGame>().masks);
    std::vector<double> handled, painted, cpuPainted;
    for (int r = 0; r < runs; ++r) {
        // From a base with few words, as when the heavy one is one keystroke away.
        page->baseField->setText("qz");
        window.repaint();
        QApplication::processEvents();
        clock.restart();
        cpu = ThreadCpuMilliseconds();
        page->baseField->setText(QString::fromLatin1(worst.base));
        handled.push_back(Milliseconds(clock));
        // The whole window, an upper bound of what the keystroke repaints.
        window.repaint();
        painted.push_back(Milliseconds(clock));
        cpuPainted.push_back(ThreadCpuMilliseconds() - cpu);
        std::printf("run %d: base \"%s\", %d lines: %.2f ms to the lines in the output area, %.2f ms painted "
                    "(%.2f ms CPU)\n",
                    r + 1, worst.base.c_str(), output->blockCount() - 1, handled.back(), painted.back(),
                    cpuPainted.back());
    }
    std::printf("median: %.2f ms handled, %.2f ms painted, %.2f ms CPU\n", Median(handled), Median(painted),
                Median(cpuPainted));
    return 0;
}
