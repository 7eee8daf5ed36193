// The "Parole" page in the window: its buttons, Enter, the texts the filter
// setup normalises, refused input, the record shared with the anagram page,
// and the ticker.

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>

#include "patterns/parole_page_record.h"
#include "shell/parole_page.h"
#include "shell/shell_test_support.h"
#include "shell/text_conversion.h"
#include "support/fixture_dictionary.h"

using sillabor::ParoleControls;
using sillabor::App;
using sillabor::shell::ParolePage;
using sillabor::shell::MainWindow;
using namespace sillabor::test;

namespace {

const std::vector<std::string> kWords = {"casa", "cane", "sacca", "arco", "orca", "roca", "remo", "mare", "rame", "amor", "roma"};
const QString kSeparator(50, '-');


// A window on the Parole page, idle after loading the words.
struct ParoleWindow : PageWindow<ParolePage> {
    ParoleWindow() : PageWindow(1, kWords) {}
};

QString Ticker(int offset) { return sillabor::shell::ToQString(sillabor::SpiegaParWindow(offset)); }

}  // namespace

class ParolePageTest : public QObject {
    Q_OBJECT

private slots:
    void buttonsCycleToggleAndClearKeepTheRecordInStep() {
        TempFolder folder;
        App app(folder.path());
        ParolePage page(app, app.Get<sillabor::ParoleGame>());
        const ParoleControls& record = app.Get<sillabor::ParoleGame>().filters.page;
        const QStringList cycle{"non soddisfa", "..ignora..", "soddisfa", "non soddisfa"};
        for (const QString& caption : cycle) {
            page.BuSodd1->click();
            QCOMPARE(page.BuSodd1->text(), caption);
            QCOMPARE(QString::fromStdString(record.BuSodd1), caption);
        }
        page.BuSodd2->click();
        QCOMPARE(page.BuSodd2->text(), QString("soddisfa"));
        page.EOBott->click();
        QCOMPARE(page.EOBott->text(), QString("o"));
        QCOMPARE(record.EOBott, std::string("o"));
        page.EOBott->click();
        QCOMPARE(page.EOBott->text(), QString("e"));
        page.EOBott->click();

        // Typed texts reach the record as Windows-1252 at once.
        page.SoloBx->setChecked(true);
        page.SoloEd->setText(QString::fromUtf8("2à c"));
        QTest::keyClicks(page.EdObbligati, "ca");
        QTest::keyClicks(page.EdProibiti, "x");
        page.EdMiLun->setText("3");
        page.EdMxLun->setText("");
        page.Pattern2->setText("r*");
        QVERIFY(record.SoloBx);
        using Texts = std::vector<std::string>;
        QCOMPARE((Texts{record.SoloEd, record.EdObbligati, record.EdMxLun, record.Pattern2}),
                 (Texts{"2\xE0 c", "ca", "", "r*"}));

        // Limits of the fields as laid out.
        page.EdMiLun->setText("123");
        QCOMPARE(page.EdMiLun->text(), QString("12"));
        page.Pattern->setText(QString(250, '?'));
        QCOMPARE(page.Pattern->text().size(), 200);
        page.SoloEd->setText(QString(70, 'a'));
        QCOMPARE(page.SoloEd->text().size(), 60);

        // A click on the ticker hides it; "C" restores every control and shows it again.
        QTest::mouseClick(page.SpiegaPar, Qt::LeftButton);
        QVERIFY(page.SpiegaPar->isHidden());
        page.ButClear->click();
        QVERIFY(!page.SpiegaPar->isHidden());
        QVERIFY(!page.SoloBx->isChecked());
        QCOMPARE((QStringList{page.SoloEd->text(), page.EdObbligati->text(), page.EdProibiti->text(), page.Pattern2->text(),
                              page.EdMiLun->text(), page.EdMxLun->text(), page.Pattern->text(), page.BuSodd1->text(),
                              page.BuSodd2->text(), page.EOBott->text()}),
                 (QStringList{"", "", "", "", "0", "40", "*", "soddisfa", "..ignora..", "e"}));
        QVERIFY(!record.SoloBx && record.Pattern == "*" && record.EOBott == "e");
    }

    void enterRunsTheSearchAndTheFieldsShowTheNormalisedTexts() {
        ParoleWindow w;
        w.page->EdObbligati->setText(" CA! ");
        w.page->Pattern->setText(QString::fromUtf8("*à"));
        QVERIFY(w.Search([&] { QTest::keyClick(w.page->Pattern, Qt::Key_Return); }));
        QCOMPARE(OutputLines(*w.window), (QStringList{"casa", "orca", "roca", "sacca", kSeparator, "Fine Ricerca"}));
        QCOMPARE(w.page->EdObbligati->text(), QString(" ca "));
        QCOMPARE(w.page->Pattern->text(), QString("*a"));

        // A derived word, from a second pattern joined by "o"; Enter in another field.
        w.page->ButClear->click();
        w.page->Pattern->setText("m*");
        w.page->BuSodd2->click();
        w.page->Pattern2->setText(QString::fromUtf8("|*|, é |r1"));
        w.page->EOBott->click();
        QVERIFY(w.Search([&] { QTest::keyClick(w.page->EdMxLun, Qt::Key_Enter); }));
        QCOMPARE(w.page->Pattern2->text(), QString("|*|, e |r1"));
        // "mare" passes the first pattern, so the second is not tried on it.
        QCOMPARE(OutputLines(*w.window), (QStringList{"amor -> roma", "mare", "roma -> amor", kSeparator, "Fine Ricerca"}));

        // Refused input prints its error; the fields keep their texts, normalised.
        w.page->EdMiLun->setText("9");
        w.page->EdMxLun->setText("3");
        w.page->Pattern->setText(QString::fromUtf8("Ç+"));
        QVERIFY(w.Search([&] { QTest::keyClick(w.page->Pattern, Qt::Key_Return); }));
        QVERIFY(OutputLines(*w.window).contains("ERRORE: la lunghezza minima non puo' essere maggiore della"));
        QCOMPARE(w.page->Pattern->text(), QString("C+"));
        QCOMPARE(w.page->EdMiLun->text(), QString("9"));
    }

    void showingThePageShowsWhatAnotherSearchNormalised() {
        ParoleWindow w;
        auto* gioco = w.window->findChild<QTabWidget*>("pageTabs");
        w.page->Pattern->setText("ab");
        gioco->setCurrentIndex(0);
        // The anagram engine sets up the same filters, writing back into the record.
        QCOMPARE(w.app().Get<sillabor::ParoleGame>().filters.page.Pattern, std::string("ab"));
        w.app().Get<sillabor::ParoleGame>().filters.page.Pattern = "AB";
        w.app().Get<sillabor::ParoleGame>().filters.page.EdProibiti = "xy";
        gioco->setCurrentIndex(1);
        QCOMPARE(w.page->Pattern->text(), QString("AB"));
        QCOMPARE(w.page->EdProibiti->text(), QString("xy"));
        QCOMPARE(w.app().Get<sillabor::ParoleGame>().filters.page.Pattern, std::string("AB"));
    }

    void tickerScrollsOnlyWhileShownIdleAndVisible() {
        ParoleWindow w;
        QLabel* ticker = w.page->SpiegaPar;
        QCOMPARE(ticker->text().size(), 65);
        QTRY_COMPARE(ticker->text(), Ticker(2));
        QTRY_COMPARE(ticker->text(), Ticker(3));

        // Another page shown: the ticker waits.
        auto* gioco = w.window->findChild<QTabWidget*>("pageTabs");
        gioco->setCurrentIndex(0);
        QTest::qWait(400);
        QCOMPARE(ticker->text(), Ticker(3));
        gioco->setCurrentIndex(1);
        QTRY_COMPARE(ticker->text(), Ticker(4));

        // A search running: the ticker waits.
        Gate gate;
        w.window->SetGameRunner(gate.HoldingRunner());
        QSignalSpy ended(w.window.get(), &MainWindow::SearchEnded);
        w.window->PressStart();
        QVERIFY(w.window->IsBusy());
        const QString during = ticker->text();
        QTest::qWait(500);
        QCOMPARE(ticker->text(), during);
        gate.Open();
        QTRY_COMPARE(ended.count(), 1);

        // Hidden: no step either; shown again by "C", it goes on from where it was.
        QTest::mouseClick(ticker, Qt::LeftButton);
        const QString hidden = ticker->text();
        QTest::qWait(400);
        QCOMPARE(ticker->text(), hidden);
        w.page->ButClear->click();
        QTRY_VERIFY(ticker->text() != hidden);
    }
};

QTEST_MAIN(ParolePageTest)
#include "parole_page_test.moc"
