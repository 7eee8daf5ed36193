// The "Parole" page in the window: its buttons, Enter, the request its
// controls make, the texts the search gives back, refused input and the ticker.

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>

#include "patterns/parole_page_rules.h"
#include "shell/parole_page.h"
#include "shell/shell_test_support.h"
#include "shell/text_conversion.h"
#include "support/fixture_dictionary.h"

using sillabor::ParoleRequest;
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

QString Ticker(int offset) { return sillabor::shell::ToQString(sillabor::PatternSyntaxWindow(offset)); }

}  // namespace

class ParolePageTest : public QObject {
    Q_OBJECT

private slots:
    void buttonsCycleToggleAndClearAndTheRequestFollowsTheControls() {
        TempFolder folder;
        App app(folder.path());
        ParolePage page(app, app.Get<sillabor::ParoleGame>());
        const QStringList cycle{"non soddisfa", "..ignora..", "soddisfa", "non soddisfa"};
        const sillabor::PatternMode modes[] = {sillabor::kMustNotSatisfy, sillabor::kPatternIgnored,
                                               sillabor::kMustSatisfy, sillabor::kMustNotSatisfy};
        for (int k = 0; k < cycle.size(); ++k) {
            page.firstModeButton->click();
            QCOMPARE(page.firstModeButton->text(), cycle[k]);
            QCOMPARE(page.Request().firstMode, modes[k]);
        }
        page.secondModeButton->click();
        QCOMPARE(page.secondModeButton->text(), QString("soddisfa"));
        page.joinButton->click();
        QCOMPARE(page.joinButton->text(), QString("o"));
        QVERIFY(page.Request().eitherPattern);
        page.joinButton->click();
        QCOMPARE(page.joinButton->text(), QString("e"));
        page.joinButton->click();

        // Typed texts reach the request as Windows-1252; a length field without a number is empty.
        page.onlyLettersBox->setChecked(true);
        page.lettersField->setText(QString::fromUtf8("2à c"));
        QTest::keyClicks(page.requiredGroups, "ca");
        QTest::keyClicks(page.forbiddenGroups, "x");
        page.minLength->setText("3");
        page.maxLength->setText("");
        page.secondPattern->setText("r*");
        const ParoleRequest request = page.Request();
        QVERIFY(request.onlyLetters);
        using Texts = std::vector<std::string>;
        QCOMPARE((Texts{request.letters, request.requiredGroups, request.secondPattern}),
                 (Texts{"2\xE0 c", "ca", "r*"}));
        QVERIFY(request.minLength == 3 && !request.maxLength);

        // Limits of the fields as laid out.
        page.minLength->setText("123");
        QCOMPARE(page.minLength->text(), QString("12"));
        page.firstPattern->setText(QString(250, '?'));
        QCOMPARE(page.firstPattern->text().size(), 200);
        page.lettersField->setText(QString(70, 'a'));
        QCOMPARE(page.lettersField->text().size(), 60);

        // A click on the ticker hides it; "C" restores every control and shows it again.
        QTest::mouseClick(page.syntaxTicker, Qt::LeftButton);
        QVERIFY(page.syntaxTicker->isHidden());
        page.clearButton->click();
        QVERIFY(!page.syntaxTicker->isHidden());
        QVERIFY(!page.onlyLettersBox->isChecked());
        QCOMPARE((QStringList{page.lettersField->text(), page.requiredGroups->text(), page.forbiddenGroups->text(),
                              page.secondPattern->text(), page.minLength->text(), page.maxLength->text(),
                              page.firstPattern->text(), page.firstModeButton->text(), page.secondModeButton->text(),
                              page.joinButton->text()}),
                 (QStringList{"", "", "", "", "0", "40", "*", "soddisfa", "..ignora..", "e"}));
    }

    void enterRunsTheSearchAndTheFieldsShowTheNormalisedTexts() {
        ParoleWindow w;
        w.page->requiredGroups->setText(" CA! ");
        w.page->firstPattern->setText(QString::fromUtf8("*à"));
        QVERIFY(w.Search([&] { QTest::keyClick(w.page->firstPattern, Qt::Key_Return); }));
        QCOMPARE(OutputLines(*w.window), (QStringList{"casa", "orca", "roca", "sacca", kSeparator, "Fine Ricerca"}));
        QCOMPARE(w.page->requiredGroups->text(), QString(" ca "));
        QCOMPARE(w.page->firstPattern->text(), QString("*a"));

        // A derived word, from a second pattern joined by "o"; Enter in another field.
        w.page->clearButton->click();
        w.page->firstPattern->setText("m*");
        w.page->secondModeButton->click();
        w.page->secondPattern->setText(QString::fromUtf8("|*|, é |r1"));
        w.page->joinButton->click();
        QVERIFY(w.Search([&] { QTest::keyClick(w.page->maxLength, Qt::Key_Enter); }));
        QCOMPARE(w.page->secondPattern->text(), QString("|*|, e |r1"));
        // "mare" passes the first pattern, so the second is not tried on it.
        QCOMPARE(OutputLines(*w.window), (QStringList{"amor -> roma", "mare", "roma -> amor", kSeparator, "Fine Ricerca"}));

        // Refused input prints its error; the fields keep their texts, normalised.
        w.page->minLength->setText("9");
        w.page->maxLength->setText("3");
        w.page->firstPattern->setText(QString::fromUtf8("Ç+"));
        QVERIFY(w.Search([&] { QTest::keyClick(w.page->firstPattern, Qt::Key_Return); }));
        QVERIFY(OutputLines(*w.window).contains("ERRORE: la lunghezza minima non puo' essere maggiore della"));
        QCOMPARE(w.page->firstPattern->text(), QString("C+"));
        QCOMPARE(w.page->minLength->text(), QString("9"));
    }

    void tickerScrollsOnlyWhileShownIdleAndVisible() {
        ParoleWindow w;
        QLabel* ticker = w.page->syntaxTicker;
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
        w.page->clearButton->click();
        QTRY_VERIFY(ticker->text() != hidden);
    }
};

QTEST_MAIN(ParolePageTest)
#include "parole_page_test.moc"
