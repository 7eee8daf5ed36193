// The "Curio" page in the window: its thirty buttons in their grid, the shared
// click, and the "micro" button's caption after a run.

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "curio/curio_game.h"
#include "curio/curio_reports.h"
#include "shell/curio_page.h"
#include "shell/shell_test_support.h"

using sillabor::App;
using sillabor::shell::TCurioPage;
using sillabor::shell::TThreadSortForm;
using namespace sillabor::test;

class CurioPageTest : public QObject {
    Q_OBJECT

private slots:
    void thirtyButtonsInAGridEachAskingForItsReport() {
        TempFolder folder;
        App app(folder.path());
        TCurioPage page(app, app.Get<sillabor::CurioGame>());
        page.resize(620, 209);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        for (int k = 0; k < 30; ++k) {
            QPushButton* button = page.findChild<QPushButton*>(QString("But_%1").arg(k));
            QCOMPARE(button, page.Buttons[static_cast<size_t>(k)]);
            QCOMPARE(button->text(), QString(sillabor::kCurioButtons[k].caption));
            // Six to a row, left to right, then top to bottom.
            if (k % 6 != 0) {
                QCOMPARE(button->y(), page.Buttons[static_cast<size_t>(k - 1)]->y());
                QVERIFY(button->x() > page.Buttons[static_cast<size_t>(k - 1)]->x());
            } else if (k > 0) {
                QVERIFY(button->y() > page.Buttons[static_cast<size_t>(k - 6)]->y());
            }
            QVERIFY(button->width() >= 76);
        }
        QCOMPARE(page.Buttons[5]->text(), QString("saliscendi"));

        // Only the buttons ask for a report, each for its own.
        QSignalSpy requested(&page, &TCurioPage::SearchRequested);
        page.CurioButtonClick();
        page.Buttons[4]->click();
        page.Buttons[11]->click();
        QCOMPARE(requested.count(), 2);
        QCOMPARE(requested[0], (QList<QVariant>{app.Get<sillabor::CurioGame>().Id(), int(sillabor::kCurioMostChanges)}));
        QCOMPARE(requested[1], (QList<QVariant>{app.Get<sillabor::CurioGame>().Id(), int(sillabor::kCurioMicro)}));
    }

    void aRunOfMicroShowsItsLinesAndCaptionsTheNextMode() {
        PageWindow<TCurioPage> w(6, {"otto", "toto", "casa"});
        TThreadSortForm& window = *w.window;
        TCurioPage* page = w.page;
        QSignalSpy ended(&window, &TThreadSortForm::SearchEnded);

        QTest::mouseClick(page->Buttons[11], Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(ended.count(), 1, kLoadTimeout);
        QCOMPARE(OutputLines(window),
                 (QStringList{"Microenigmistica (1) Parole che costituiscono un mini-gioco",
                              "Anagrammi e C. (U=Uguali  P=Palindromi A=Anagrammi S=Scambi", QString(50, '-'),
                              "P : otto = ot + to", "U : toto = to + to"}));
        QCOMPARE(page->Buttons[11]->text(), QString("micro 2"));
    }
};

QTEST_MAIN(CurioPageTest)
#include "curio_page_test.moc"
