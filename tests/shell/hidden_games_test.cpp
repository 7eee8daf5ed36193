// The hidden games in the window: the "Parole" page's two texts open them
// over the pages, never during a search; a board move and a word played to
// its end with the mouse; "Esci" gives the window back.

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>

#include "shell/hidden_panel.h"
#include "shell/parole_page.h"
#include "shell/shell_test_support.h"

using sillabor::App;
using sillabor::shell::ParolePage;
using sillabor::shell::MainWindow;
using sillabor::shell::HiddenPanel;
using namespace sillabor::test;

namespace {

// The Parole page of a shown window, and the hidden panel.
struct HiddenWindow : PageWindow<ParolePage> {
    HiddenPanel* panel = nullptr;

    explicit HiddenWindow(const std::vector<std::string>& words = {"rosa", "casa", "mare", "re"})
        : PageWindow(1, words) {
        window->show();
        panel = window->findChild<HiddenPanel*>("hiddenPanel");
    }
};

}  // namespace

class HiddenGamesTest : public QObject {
    Q_OBJECT

private slots:
    void theBoardGameOpensMovesAndCloses() {
        HiddenWindow w;
        QVERIFY(w.panel->isHidden());
        QTest::mouseClick(w.page->groupsHint, Qt::LeftButton);
        QVERIFY(w.panel->BoardActive());
        QVERIFY(w.panel->isVisible());
        QCOMPARE(w.panel->geometry(), w.panel->parentWidget()->rect());
        QVERIFY(w.panel->letterPad->isHidden());
        QCOMPARE(w.panel->numbersButton->text(), QString("16 numeri"));
        QCOMPARE(w.panel->Board().Cell(3, 0), 0);

        // The timer lets one move through; a click on the arrow of row 3 shifts it left.
        QTRY_VERIFY(w.panel->Board().MoveAllowed());
        QTest::mouseClick(w.panel->drawing, Qt::LeftButton, {}, QPoint(230, 135));
        QCOMPARE(w.panel->Board().Cell(3, 0), sillabor::kBlockCell);
        QCOMPARE(w.panel->Board().Cell(3, 7), 0);

        w.panel->fourColoursButton->click();
        QCOMPARE(w.panel->Board().Cell(3, 0), 0);
        QCOMPARE(w.panel->Board().FourColourPattern(), 2);
        w.panel->shuffleButton->click();
        QCOMPARE(w.panel->Board().Cell(1, 1), sillabor::kBlockCell);

        w.panel->exitButton->click();
        QVERIFY(w.panel->isHidden());
        QVERIFY(!w.panel->IsActive());
        // The ticker has the timer back.
        const QString ticker = w.page->syntaxTicker->text();
        QTRY_VERIFY(w.page->syntaxTicker->text() != ticker);
    }

    void theWordGameIsPlayedToItsEndWithTheMouse() {
        HiddenWindow w;
        QTest::mouseClick(w.page->lengthCaption, Qt::LeftButton);
        QVERIFY(w.panel->WordActive());
        QVERIFY(w.panel->letterPad->isVisible());
        QVERIFY(w.panel->wordGameRules->isVisible());
        QCOMPARE(w.panel->numbersButton->text(), QString("Cos'era?"));
        QVERIFY(w.panel->shuffleButton->isHidden());
        const QString word = QString::fromStdString(w.panel->Word().HiddenWord());
        QCOMPARE(word.size(), 4);

        // A wrong attempt, typed with the letter buttons and one "<<".
        auto press = [&](QChar letter) { w.panel->letterButtons[static_cast<size_t>(letter.unicode() - 'A')]->click(); };
        for (QChar c : QString("ZZZX")) press(c);
        w.panel->letterButtons[26]->click();
        press('Z');
        QVERIFY(w.panel->shuffleButton->isVisible());
        QCOMPARE(w.panel->shuffleButton->text(), QString("Conferma"));
        w.panel->shuffleButton->click();
        QCOMPARE(w.panel->Word().Rows()[0].score.neri, 0);
        QCOMPARE(w.panel->Word().CurrentRow(), 1);

        // The right word, partly from the keyboard, ends the game.
        press(word[0]);
        QTest::keyClicks(w.panel, word.mid(1).toLower());
        QTest::keyClick(w.panel, Qt::Key_Return);
        QCOMPARE(w.panel->Word().State(), sillabor::WordGuess::Phase::Solved);
        QCOMPARE(w.panel->numbersButton->text(), QString("Ancora"));
        press('A');
        QCOMPARE(QString::fromStdString(w.panel->Word().Attempt()), word);

        // "Ancora": a new word at once; "Cos'era?" shows it.
        w.panel->numbersButton->click();
        QVERIFY(w.panel->WordActive());
        QCOMPARE(w.panel->Word().CurrentRow(), 0);
        w.panel->numbersButton->click();
        QCOMPARE(w.panel->Word().State(), sillabor::WordGuess::Phase::Revealed);
        QTest::keyClick(w.panel, Qt::Key_Escape);
        QVERIFY(w.panel->isHidden());
    }

    void noGameOpensWhileASearchRuns() {
        HiddenWindow w;
        Gate gate;
        w.window->SetGameRunner(gate.HoldingRunner());
        QSignalSpy ended(w.window.get(), &MainWindow::SearchEnded);
        w.window->PressStart();
        QVERIFY(w.window->IsBusy());
        QTest::mouseClick(w.page->groupsHint, Qt::LeftButton);
        QTest::mouseClick(w.page->lengthCaption, Qt::LeftButton);
        QVERIFY(!w.panel->IsActive());
        gate.Open();
        QTRY_COMPARE(ended.count(), 1);
    }

    void aDictionaryWithoutShortWordsOpensNoWordGame() {
        HiddenWindow w({"re", "sei", "abbastanza"});
        QTest::mouseClick(w.page->lengthCaption, Qt::LeftButton);
        QVERIFY(w.panel->isHidden());
    }
};

QTEST_MAIN(HiddenGamesTest)
#include "hidden_games_test.moc"
