// The "Trova" page in the window: its controls and their rules, Enter and
// "Cerca" on the chosen game, and the six buttons.

#include "shell/trova_page.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <atomic>

#include "app/run_game.h"
#include "shell/shell_test_support.h"
#include "trova/trova_game.h"

using sillabor::App;
using sillabor::shell::TrovaPage;
using namespace sillabor::test;

class TrovaPageTest : public QObject {
    Q_OBJECT

private slots:
    void theControlsFollowTheChosenGame() {
        TempFolder folder;
        App app(folder.path());
        TrovaPage page(app, app.Get<sillabor::TrovaGame>());
        QVERIFY(page.gameList->button(1)->isChecked());
        QCOMPARE(page.gameList->button(6)->text(), QString("cambi d'antip."));
        QCOMPARE(page.minLength->text(), QString("3"));
        QCOMPARE(page.maxLength->text(), QString("40"));
        QCOMPARE(page.maxLength->maxLength(), 2);
        QCOMPARE(page.letterFrom->maxLength(), 1);

        auto shown = [&](QWidget* w) { return w->isVisibleTo(&page); };
        QVERIFY(shown(page.alsoLast) && !shown(page.letterFrom) && !shown(page.letterTo));
        page.lettersAsked->setChecked(true);
        QVERIFY(shown(page.letterFrom) && shown(page.letterTo) && shown(page.letterArrow));
        QCOMPARE(page.lettersAsked->text(), QString("Lettere :"));
        page.gameList->button(9)->setChecked(true);
        QCOMPARE(page.letterArrow->text(), QString(" e "));
        QVERIFY(!shown(page.alsoLast));
        page.gameList->button(5)->setChecked(true);
        QVERIFY(shown(page.letterFrom) && !shown(page.letterTo) && !shown(page.letterArrow));
        QCOMPARE(page.lettersAsked->text(), QString("Lettera :"));
        page.lettersAsked->setChecked(false);
        QVERIFY(!shown(page.letterFrom));
    }

    void enterSearchesTheChosenGameAndTheButtonsTheirOwn() {
        PageWindow<TrovaPage> w(3, {"cane", "pane", "cena", "arco", "cosa", "arsa"});
        TrovaPage* page = w.page;
        QCOMPARE(w.window->findChild<QPushButton*>("startButton")->text(), QString("Cerca"));
        const QString separator(50, '-');

        page->lettersAsked->setChecked(true);
        page->letterFrom->setText("c");
        page->letterTo->setText("p");
        QVERIFY(SearchAndWait(*w.window, [&] { QTest::keyClick(page->letterTo, Qt::Key_Return); }));
        QCOMPARE(OutputLines(*w.window), QStringList({"Cambi  C <-> P (lung. 3 - 40)", separator, "Cane <-> Pane"}));

        page->maxLength->setText("ab");
        QVERIFY(SearchAndWait(*w.window, [&] { QTest::keyClick(page->maxLength, Qt::Key_Return); }));
        QCOMPARE(OutputLines(*w.window), QStringList({"La lunghezza massima deve essere tra 0 e 40",
                                                      "e deve essere maggiore o uguale alla minima"}));

        // A button takes no notice of the refused length, and a click while its
        // search runs does nothing.
        Gate gate;
        std::atomic<int> runs{0};
        w.window->SetGameRunner([&](App& app, int game, int option) {
            ++runs;
            const int status = sillabor::RunGame(app, game, option);
            gate.Wait(app);
            return status;
        });
        QVERIFY(SearchAndWait(*w.window, [&] {
            page->hingesButton->click();
            QVERIFY(w.window->IsBusy());
            QTRY_COMPARE(runs.load(), 1);
            page->padlocksButton->click();
            w.window->PressStart();
            gate.Open();
        }));
        QCOMPARE(runs.load(), 1);
        QCOMPARE(OutputLines(*w.window).first(), QString("Cerniere"));
    }
};

QTEST_MAIN(TrovaPageTest)
#include "trova_page_test.moc"
