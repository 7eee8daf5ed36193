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
    for (QLineEdit* box : page->Ed) letters += box->text().isEmpty() ? QString("-") : box->text();
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
        QVERIFY(w.page->HlpDecri->isVisibleTo(w.page));
        QVERIFY(!w.page->PanCri->isVisibleTo(w.page));
        QCOMPARE(w.page->HelpKeys(), QStringList{"DECRITTA"});

        // Enter makes a line break; Ctrl+Enter solves, as "Decritta" does.
        QTest::keyClicks(w.page->DecriMe, "ab");
        QTest::keyClick(w.page->DecriMe, Qt::Key_Return);
        QTest::keyClicks(w.page->DecriMe, "ba");
        QVERIFY(!w.window->IsBusy());
        QVERIFY(SearchAndWait(*w.window, [&] { QTest::keyClick(w.page->DecriMe, Qt::Key_Return, Qt::ControlModifier); }));
        QCOMPARE(OutputLines(*w.window), (QStringList{"io oi ", "oi io ", kSeparator}));
    }

    void crittaEnciphersAtEveryChangeOfTheTextOrOfABox() {
        DecritWindow w;
        DecritPage* p = w.page;
        p->DecriMe->setPlainText("Casa\nio!");
        p->RadioCri->setChecked(true);
        QVERIFY(p->PanCri->isVisibleTo(p));
        QVERIFY(!p->HlpDecri->isVisibleTo(p));
        QCOMPARE(p->HelpKeys(), QStringList{"CRITTA"});
        QCOMPARE(OutputLines(*w.window), (QStringList{"Casa", "io!"}));

        // A typed box: upper case, the focus on the next box, the text enciphered.
        p->Ed[0]->setFocus();
        p->Ed[0]->selectAll();
        QTest::keyClicks(p->Ed[0], "e");
        QCOMPARE(p->Ed[0]->text(), QString("E"));
        QVERIFY(p->Ed[1]->hasFocus());
        QCOMPARE(OutputLines(*w.window), (QStringList{"Cese", "io!"}));
        QVERIFY(!p->CriInv->isEnabled());  // E twice
        // Anything but a letter empties the box: its letter becomes a blank.
        p->Ed[2]->setFocus();
        p->Ed[2]->selectAll();
        QTest::keyClicks(p->Ed[2], "7");
        QCOMPARE(p->Ed[2]->text(), QString());
        QCOMPARE(OutputLines(*w.window), (QStringList{" ese", "io!"}));
        QTest::keyClick(p->Ed[3], Qt::Key_Left);
        QVERIFY(p->Ed[2]->hasFocus());
        QTest::keyClick(p->Ed[0], Qt::Key_Left);
        QVERIFY(p->Ed[25]->hasFocus());

        QTest::mouseClick(p->CriNulla, Qt::LeftButton);
        QVERIFY(p->CriInv->isEnabled());
        QTest::mouseClick(p->CriRuota, Qt::LeftButton);
        QCOMPARE(Boxes(p), QString("BCDEFGHIJKLMNOPQRSTUVWXYZA"));
        QCOMPARE(OutputLines(*w.window), (QStringList{"Dbtb", "jp!"}));
        QTest::mouseClick(p->CriInv, Qt::LeftButton);
        QTest::mouseClick(p->CriSpecchio, Qt::LeftButton);
        QCOMPARE(Boxes(p), QString("YXWVUTSRQPONMLKJIHGFEDCBAZ"));
        QTest::mouseClick(p->BuNum1, Qt::LeftButton);
        QCOMPARE(OutputLines(*w.window), (QStringList{"1 2 3 2", "4 5!"}));
        QTest::mouseClick(p->BuNum2, Qt::LeftButton);
        QCOMPARE(OutputLines(*w.window), (QStringList{"23 25 7 25", "17 11!"}));
        QTest::mouseClick(p->CriRand, Qt::LeftButton);
        QCOMPARE(p->CriRand->text(), QString("A caso 2"));
        QTest::mouseClick(p->CriRand, Qt::LeftButton);
        QCOMPARE(p->CriRand->text(), QString("A caso 1"));

        // "C" empties the text and the output area.
        QTest::mouseClick(p->CancBut, Qt::LeftButton);
        QCOMPARE(p->DecriMe->toPlainText(), QString());
        QCOMPARE(OutputLines(*w.window), QStringList());
    }

    void searchesFromCrittaModeKeepTheirResults() {
        DecritWindow w;
        DecritPage* p = w.page;
        p->RadioCri->setChecked(true);
        QTest::mouseClick(p->CriRuota, Qt::LeftButton);
        QVERIFY(SearchAndWait(*w.window, [&] { QTest::mouseClick(p->CriCoppie, Qt::LeftButton); }));
        QCOMPARE(OutputLines(*w.window), (QStringList{"hal -> ibm"}));

        // The solver rewrites the field one word a line, without enciphering over its solutions.
        p->DecriMe->setPlainText("ab ba");
        QVERIFY(SearchAndWait(*w.window, [&] { QTest::mouseClick(w.window->findChild<QPushButton*>("startButton"), Qt::LeftButton); }));
        QCOMPARE(p->DecriMe->toPlainText(), QString("ab\nba"));
        QCOMPARE(OutputLines(*w.window), (QStringList{"io oi ", "oi io ", kSeparator}));
        // The next edit enciphers again.
        QTest::keyClicks(p->DecriMe, "!");
        QCOMPARE(OutputLines(*w.window), (QStringList{"bc", "cb!"}));
    }
};

QTEST_MAIN(DecritPageTest)
#include "decrit_page_test.moc"
