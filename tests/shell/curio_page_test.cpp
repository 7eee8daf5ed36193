// The "Curio" page in the window: the shared click of its buttons, and the
// "micro" button's caption after a run.

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "curio/curio_game.h"
#include "curio/curio_reports.h"
#include "shell/curio_page.h"
#include "shell/shell_test_support.h"

using sillabor::App;
using sillabor::shell::CurioPage;
using sillabor::shell::MainWindow;
using namespace sillabor::test;

class CurioPageTest : public QObject {
    Q_OBJECT

private slots:
    void eachButtonAsksForItsOwnReport() {
        TempFolder folder;
        App app(folder.path());
        CurioPage page(app, app.Get<sillabor::CurioGame>());
        // Only the buttons ask for a report, each for its own.
        QSignalSpy requested(&page, &CurioPage::SearchRequested);
        page.ReportButtonClick();
        page.reportButtons[4]->click();
        page.reportButtons[11]->click();
        QCOMPARE(requested.count(), 2);
        QCOMPARE(requested[0], (QList<QVariant>{app.Get<sillabor::CurioGame>().Id(), int(sillabor::kCurioMostChanges)}));
        QCOMPARE(requested[1], (QList<QVariant>{app.Get<sillabor::CurioGame>().Id(), int(sillabor::kCurioMicro)}));
    }

    void aRunOfMicroShowsItsLinesAndCaptionsTheNextMode() {
        PageWindow<CurioPage> w(6, {"otto", "toto", "casa"});
        MainWindow& window = *w.window;
        CurioPage* page = w.page;
        QSignalSpy ended(&window, &MainWindow::SearchEnded);
        QCOMPARE(page->reportButtons[11]->text(), QString("micro 1"));
        QTest::mouseClick(page->reportButtons[11], Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(ended.count(), 1, kLoadTimeout);
        QCOMPARE(OutputLines(window),
                 (QStringList{"Microenigmistica (1) Parole che costituiscono un mini-gioco",
                              "Anagrammi e C. (U=Uguali  P=Palindromi A=Anagrammi S=Scambi", QString(50, '-'),
                              "P : otto = ot + to", "U : toto = to + to"}));
        QCOMPARE(page->reportButtons[11]->text(), QString("micro 2"));
    }
};

QTEST_MAIN(CurioPageTest)
#include "curio_page_test.moc"
