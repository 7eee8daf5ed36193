// The "Cern" page in the window: the selection as the user types, the two
// modes, the status bar, "Cancella", and masks that follow a new dictionary.

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>

#include "dizio/dizio_game.h"
#include "shell/cern_page.h"
#include "shell/shell_test_support.h"

using sillabor::shell::CernPage;
using sillabor::shell::MainWindow;
using namespace sillabor::test;

namespace {

const std::vector<std::string> kWords = {"rosa", "orsa", "raso", "mare", "rame", "mareee", "casa"};

struct CernWindow : PageWindow<CernPage> {
    CernWindow() : PageWindow(7, kWords) {
        WritePreparedDictionary(folder.path(), "Altro", {"remo", "more", "orme", "uno", "due"});
    }
    QString Status() { return window->findChild<QLabel*>("statusPanel0")->text(); }
    void ChooseMode(int mode) { page->modeGroup->button(mode)->click(); }
};

}  // namespace

class CernPageTest : public QObject {
    Q_OBJECT

private slots:
    void typingShowsTheSelectionAndItsAnagramsAtOnce() {
        CernWindow w;
        QVERIFY(w.window->findChild<QPushButton*>("startButton")->isHidden());
        QVERIFY(w.window->findChild<QPushButton*>("stopButton")->isHidden());
        QCOMPARE(OutputOf(*w.window)->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        QVERIFY(w.page->goalField->isHidden());

        QTest::keyClicks(w.page->baseField, "Ros");
        QCOMPARE(w.page->selectionField->text(), QString("ros"));
        QCOMPARE(OutputOf(*w.window)->toPlainText(), QString("\n"));  // one empty line
        w.page->baseField->insert(QString::fromUtf8("à tt"));
        QCOMPARE(w.page->selectionField->text(), QString("rosa"));
        QCOMPARE(OutputLines(*w.window), QStringList{"orsa raso rosa "});
        QCOMPARE(w.Status(), QString());
        // Enter starts nothing on this page.
        QTest::keyClick(w.page->baseField, Qt::Key_Return);
        QVERIFY(!w.window->IsBusy());

        // The fields keep their limits.
        w.page->baseField->setText(QString(250, 'a'));
        QCOMPARE(w.page->baseField->text().size(), 198);
        QCOMPARE(w.page->selectionField->text(), QString());
    }

    void theSecondModeCompletesTowardsTheGoal() {
        CernWindow w;
        w.page->baseField->setText("mar");
        w.ChooseMode(sillabor::kCernComplete);
        QVERIFY(!w.page->goalField->isHidden());
        QVERIFY(!w.page->goalLabel->isHidden());
        QCOMPARE(OutputOf(*w.window)->toPlainText(), QString("\n"));

        QTest::keyClicks(w.page->goalField, "e");
        QCOMPARE(OutputLines(*w.window), QStringList{"mareee [mare rame] "});
        QVERIFY2(w.Status().startsWith("Trovati 3 in "), qPrintable(w.Status()));

        // "Cancella" empties both fields in this mode.
        w.page->clearButton->click();
        QCOMPARE(w.page->baseField->text(), QString());
        QCOMPARE(w.page->goalField->text(), QString());
        QCOMPARE(w.page->selectionField->text(), QString());

        // Back to the first mode: the goal hides and the selection's words show.
        w.page->baseField->setText("casao");
        w.ChooseMode(sillabor::kCernOnTheFly);
        QVERIFY(w.page->goalField->isHidden());
        QCOMPARE(w.page->selectionField->text(), QString("cso"));
        QCOMPARE(w.Status(), QString());
    }

    void theCompletionFollowsANewDictionary() {
        CernWindow w;
        w.ChooseMode(sillabor::kCernComplete);
        w.page->goalField->setText("aemr");
        QCOMPARE(OutputLines(*w.window), QStringList{"mareee [mare rame] "});

        QSignalSpy ended(w.window.get(), &MainWindow::SearchEnded);
        w.window->app().dict.DictionaryName = "Altro";
        w.window->RunSearch(w.app().Get<sillabor::DizioGame>().Id(), sillabor::kDictionaryLoad);
        QTRY_COMPARE_WITH_TIMEOUT(ended.count(), 1, kLoadTimeout);
        w.page->goalField->setText("emor");
        QCOMPARE(OutputLines(*w.window), QStringList{"[more orme remo] "});
    }
};

QTEST_MAIN(CernPageTest)
#include "cern_page_test.moc"
