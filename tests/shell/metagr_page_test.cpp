// The "Metagr" page: the minimum length shown only with additions and
// removals, and Enter in a field writing back the normalised words and
// printing the ladder.

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "metagr/metagr_game.h"
#include "shell/metagr_page.h"
#include "shell/shell_test_support.h"

using sillabor::App;
using sillabor::MetagrGame;
using sillabor::shell::MetagrPage;
using sillabor::shell::MainWindow;
using namespace sillabor::test;

class MetagrPageTest : public QObject {
    Q_OBJECT

private slots:
    void theMinimumLengthIsShownOnlyWithAdditionsAndRemovals() {
        TempFolder folder;
        App app(folder.path());
        MetagrPage page(app, app.Get<MetagrGame>());
        QVERIFY(!page.minInterLength->isVisibleTo(&page));
        page.addRemove->setChecked(true);
        QVERIFY(page.minInterLength->isVisibleTo(&page));
        page.addRemove->setChecked(false);
        QVERIFY(!page.minInterLength->isVisibleTo(&page));
    }

    void enterWritesBackTheWordsAndPrintsTheLadder() {
        PageWindow<MetagrPage> w(4, {"cane", "care", "mare", "pane"});
        MainWindow& window = *w.window;
        MetagrPage* page = w.page;
        QSignalSpy ended(&window, &MainWindow::SearchEnded);

        page->startWord->setText(QString::fromUtf8("C\u00e0ne!"));
        page->endWord->setText(" MARE");
        page->addRemove->setChecked(true);
        page->minInterLength->setCurrentIndex(5);
        QTest::keyClick(page->endWord, Qt::Key_Return);
        QTRY_COMPARE_WITH_TIMEOUT(ended.count(), 1, kLoadTimeout);
        QCOMPARE(page->startWord->text(), QString("cane"));
        QCOMPARE(page->endWord->text(), QString("mare"));
        QCOMPARE(window.app().Get<MetagrGame>().state.moves.MinInterLength, 6);
        QCOMPARE(OutputLines(window), (QStringList{" 1 cane", " 2 care", " 3 mare", "  ",
                                                   QString(50, '-'), "F I N E"}));
    }
};

QTEST_MAIN(MetagrPageTest)
#include "metagr_page_test.moc"
