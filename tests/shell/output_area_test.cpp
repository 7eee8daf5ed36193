// The output area's pending text: printing from any thread, moving on the window thread.

#include <QTest>
#include <thread>
#include <vector>

#include "base/output.h"
#include "shell/output_area.h"

using sillabor::Output;
using sillabor::shell::OutputArea;

namespace {

QStringList Lines(const OutputArea& area) {
    QString text = area.toPlainText();
    if (text.endsWith('\n')) text.chop(1);
    return text.isEmpty() ? QStringList() : text.split('\n');
}

}  // namespace

class OutputAreaTest : public QObject {
    Q_OBJECT

private slots:
    void concurrentPrintingLosesAndReordersNothing() {
        OutputArea area;
        Output out;
        out.SetSink(&area);
        constexpr int kThreads = 3;
        constexpr int kLines = 4000;
        std::atomic<int> running{kThreads};
        std::vector<std::thread> printers;
        for (int t = 0; t < kThreads; ++t) {
            printers.emplace_back([&, t] {
                for (int i = 0; i < kLines; ++i) {
                    std::string line = "t";
                    line += std::to_string(t);
                    line += ' ';
                    line += std::to_string(i);
                    out.PrintLine(line);
                    if (i % 500 == 0) out.RefreshOutput();
                }
                --running;
            });
        }
        // The window thread keeps moving text while the printers run.
        while (running > 0) {
            area.MovePending();
            QCoreApplication::processEvents();
        }
        for (std::thread& printer : printers) printer.join();
        out.RefreshOutput();

        const QStringList lines = Lines(area);
        QCOMPARE(lines.size(), kThreads * kLines);
        std::vector<int> next(kThreads, 0);
        for (const QString& line : lines) {
            const int t = line.section(' ', 0, 0).mid(1).toInt();
            QCOMPARE(line.section(' ', 1).toInt(), next[t]);
            ++next[t];
        }
        QCOMPARE(area.PendingLength(), 0);
    }

    void windowThreadRefreshAndClearTakeEffectAtOnce() {
        OutputArea area;
        Output out;
        out.SetSink(&area);
        out.PrintLine("uno");
        QCOMPARE(area.toPlainText(), QString());  // short text waits for a move
        out.RefreshOutput();
        QCOMPARE(Lines(area), QStringList{"uno"});
        out.PrintLine("due");
        out.ClearOutput();
        QCOMPARE(area.toPlainText(), QString());
        out.PrintLine("tre");
        out.RefreshOutput();
        QCOMPARE(Lines(area), QStringList{"tre"});

        // Text appends at the end whatever the user has selected.
        area.moveCursor(QTextCursor::Start);
        out.PrintLine("quattro");
        out.RefreshOutput();
        QCOMPARE(Lines(area), (QStringList{"tre", "quattro"}));
    }

    void clearFromTheSearchThreadDropsOnlyWhatCameBefore() {
        OutputArea area;
        Output out;
        out.SetSink(&area);
        out.PrintLine("vecchio");
        out.RefreshOutput();
        std::thread search([&] {
            out.PrintLine("perso");
            out.ClearOutput();
            out.PrintLine("nuovo");
            out.RefreshOutput();
        });
        search.join();
        QCOMPARE(Lines(area), QStringList{"vecchio"});  // nothing touched the widget off its thread
        QTRY_COMPARE(Lines(area), QStringList{"nuovo"});
    }

    void longTextMovesWithoutWaitingForATimer() {
        OutputArea area;
        Output out;
        out.SetSink(&area);
        std::thread search([&] {
            for (int i = 0; i < 300; ++i) out.PrintLine("riga " + std::to_string(i));
        });
        search.join();
        QTRY_VERIFY(area.toPlainText().contains("riga 250"));  // posted past 2000 characters
    }

    void areaStopsAtItsCharacterLimit() {
        OutputArea area;
        Output out;
        out.SetSink(&area);
        const std::string line(1023, 'x');  // 1024 characters with the line end
        for (int i = 0; i < 2100; ++i) out.PrintLine(line);
        out.RefreshOutput();
        QCOMPARE(area.document()->characterCount() - 1, OutputArea::kMaxCharacters);
        out.ClearOutput();
        out.PrintLine("ancora");
        out.RefreshOutput();
        QCOMPARE(Lines(area), QStringList{"ancora"});
    }
};

QTEST_MAIN(OutputAreaTest)
#include "output_area_test.moc"
