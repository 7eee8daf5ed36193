// The "Decrit" page in the window: the solver's search and its rewritten
// field, the two modes, the letter boxes and the maker's buttons.

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "shell/decrit_page.h"
#include "shell/shell_test_support.h"
#include "support/fixture_dictionary.h"

using sillabor::shell::DecritPage;
using sillabor::shell::MainWindow;
using namespace sillabor::test;

namespace {

const QString kSeparator(50, '-');

// The loaded window on the page; the letter boxes pass the keyboard focus on,
// so the window must be active.
struct DecritWindow : PageWindow<DecritPage> {
    DecritWindow() : PageWindow(5, {"io", "oi", "hal", "ibm", "casa"}) {
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
};

QString Boxes(DecritPage* page) {
    QString letters;
    for (QLineEdit* box : page->imageBoxes) letters += box->text().isEmpty() ? QString("-") : box->text();
    return letters;
}

}  // namespace

class DecritPageTest : public QObject {
    Q_OBJECT

private slots:
    void decrittaModeSolvesOnCtrlEnter() {
        DecritWindow w;
        auto* start = w.window->findChild<QPushButton*>("startButton");
        QCOMPARE(start->text(), QString("Decritta"));
        QVERIFY(w.page->solverHelp->isVisibleTo(w.page));
        QVERIFY(!w.page->boxPanel->isVisibleTo(w.page));
        QCOMPARE(w.page->HelpKeys(), QStringList{"DECRITTA"});

        // Enter makes a line break; Ctrl+Enter solves, as "Decritta" does.
        QTest::keyClicks(w.page->cryptogramField, "ab");
        QTest::keyClick(w.page->cryptogramField, Qt::Key_Return);
        QTest::keyClicks(w.page->cryptogramField, "ba");
        QVERIFY(!w.window->IsBusy());
        QVERIFY(SearchAndWait(*w.window, [&] { QTest::keyClick(w.page->cryptogramField, Qt::Key_Return, Qt::ControlModifier); }));
        QCOMPARE(OutputLines(*w.window), (QStringList{"io oi ", "oi io ", kSeparator}));
    }

    void crittaEnciphersAtEveryChangeOfTheTextOrOfABox() {
        DecritWindow w;
        DecritPage* p = w.page;
        p->cryptogramField->setPlainText("Casa\nio!");
        p->makeMode->setChecked(true);
        QVERIFY(p->boxPanel->isVisibleTo(p));
        QVERIFY(!p->solverHelp->isVisibleTo(p));
        QCOMPARE(p->HelpKeys(), QStringList{"CRITTA"});
        QCOMPARE(OutputLines(*w.window), (QStringList{"Casa", "io!"}));

        // A typed box: upper case, the focus on the next box, the text enciphered.
        p->imageBoxes[0]->setFocus();
        p->imageBoxes[0]->selectAll();
        QTest::keyClicks(p->imageBoxes[0], "e");
        QCOMPARE(p->imageBoxes[0]->text(), QString("E"));
        QVERIFY(p->imageBoxes[1]->hasFocus());
        QCOMPARE(OutputLines(*w.window), (QStringList{"Cese", "io!"}));
        QVERIFY(!p->invertButton->isEnabled());  // E twice
        // Anything but a letter empties the box: its letter becomes a blank.
        p->imageBoxes[2]->setFocus();
        p->imageBoxes[2]->selectAll();
        QTest::keyClicks(p->imageBoxes[2], "7");
        QCOMPARE(p->imageBoxes[2]->text(), QString());
        QCOMPARE(OutputLines(*w.window), (QStringList{" ese", "io!"}));
        QTest::keyClick(p->imageBoxes[3], Qt::Key_Left);
        QVERIFY(p->imageBoxes[2]->hasFocus());
        QTest::keyClick(p->imageBoxes[0], Qt::Key_Left);
        QVERIFY(p->imageBoxes[25]->hasFocus());

        QTest::mouseClick(p->identityButton, Qt::LeftButton);
        QVERIFY(p->invertButton->isEnabled());
        QTest::mouseClick(p->rotateButton, Qt::LeftButton);
        QCOMPARE(Boxes(p), QString("BCDEFGHIJKLMNOPQRSTUVWXYZA"));
        QCOMPARE(OutputLines(*w.window), (QStringList{"Dbtb", "jp!"}));
        QTest::mouseClick(p->invertButton, Qt::LeftButton);
        QTest::mouseClick(p->mirrorButton, Qt::LeftButton);
        QCOMPARE(Boxes(p), QString("YXWVUTSRQPONMLKJIHGFEDCBAZ"));
        QTest::mouseClick(p->numbers1Button, Qt::LeftButton);
        QCOMPARE(OutputLines(*w.window), (QStringList{"1 2 3 2", "4 5!"}));
        QTest::mouseClick(p->numbers2Button, Qt::LeftButton);
        QCOMPARE(OutputLines(*w.window), (QStringList{"23 25 7 25", "17 11!"}));
        QTest::mouseClick(p->randomButton, Qt::LeftButton);
        QCOMPARE(p->randomButton->text(), QString("A caso 2"));
        QTest::mouseClick(p->randomButton, Qt::LeftButton);
        QCOMPARE(p->randomButton->text(), QString("A caso 1"));

        // "C" empties the text and the output area.
        QTest::mouseClick(p->clearButton, Qt::LeftButton);
        QCOMPARE(p->cryptogramField->toPlainText(), QString());
        QCOMPARE(OutputLines(*w.window), QStringList());
    }

    void searchesFromCrittaModeKeepTheirResults() {
        DecritWindow w;
        DecritPage* p = w.page;
        p->makeMode->setChecked(true);
        QTest::mouseClick(p->rotateButton, Qt::LeftButton);
        QVERIFY(SearchAndWait(*w.window, [&] { QTest::mouseClick(p->pairsButton, Qt::LeftButton); }));
        QCOMPARE(OutputLines(*w.window), (QStringList{"hal -> ibm"}));

        // The solver rewrites the field one word a line, without enciphering over its solutions.
        p->cryptogramField->setPlainText("ab ba");
        QVERIFY(SearchAndWait(*w.window, [&] { QTest::mouseClick(w.window->findChild<QPushButton*>("startButton"), Qt::LeftButton); }));
        QCOMPARE(p->cryptogramField->toPlainText(), QString("ab\nba"));
        QCOMPARE(OutputLines(*w.window), (QStringList{"io oi ", "oi io ", kSeparator}));
        // The next edit enciphers again.
        QTest::keyClicks(p->cryptogramField, "!");
        QCOMPARE(OutputLines(*w.window), (QStringList{"bc", "cb!"}));
    }
};

QTEST_MAIN(DecritPageTest)
#include "decrit_page_test.moc"
