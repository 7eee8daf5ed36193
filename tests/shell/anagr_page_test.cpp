// The "Anagr" page: the phrase's letter cap and counts, when "Genera" can start,
// the lists and options, and the searches it starts from the window.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>

#include "shell/anagr_page.h"
#include "shell/shell_test_support.h"
#include "support/fixture_dictionary.h"

using sillabor::shell::AnagrPage;
using sillabor::shell::MainWindow;
using namespace sillabor::test;

namespace {

// "arco ma re" has two anagrams here and ten candidate words in seven classes.
const std::vector<std::string> kWords = {"arco", "orca", "roca", "mare", "rame", "remo",
                                         "ma",   "re",   "ore",  "come", "ecco"};

// The loaded window on the "Anagr" page.
struct AnagrWindow : PageWindow<AnagrPage> {
    AnagrWindow() : PageWindow(0, kWords), start(window->findChild<QPushButton*>("startButton")) {}
    QPushButton* start;
};

bool ShownOnPage(QWidget* widget, QWidget* page) { return widget->isVisibleTo(page); }

}  // namespace

class AnagrPageTest : public QObject {
    Q_OBJECT

private slots:
    void phraseKeepsAtMost52LettersAndCountsShowBesideTheFields() {
        AnagrWindow w;
        AnagrPage* p = w.page;
        QCOMPARE(p->fixedLetterCount->text(), QString());  // empty until the fixed part is edited

        // Spaces and punctuation are not counted and still go in; letters typed
        // past the 52nd are dropped.
        const QString typed = "abcde, fghij ";
        for (int i = 0; i < 6; ++i) QTest::keyClicks(p->phraseField, typed);
        QCOMPARE(p->phraseLetterCount->text(), QString("52"));
        QCOMPARE(p->phraseField->text(), typed.repeated(5) + "ab,  ");
        QTest::keyClicks(p->phraseField, "xyz");
        QCOMPARE(p->phraseField->text(), typed.repeated(5) + "ab,  ");

        // A pasted text loses its tail only, accented letters count once.
        p->phraseField->setText(QString::fromUtf8("È là, ") + QString("q").repeated(48) + "uvw");
        QCOMPARE(p->phraseLetterCount->text(), QString("52"));
        QCOMPARE(p->phraseField->text(), QString::fromUtf8("È là, ") + QString("q").repeated(48) + "u");
        p->phraseField->setText(QString::fromUtf8("città 😀 ") + QString("z").repeated(48) + "k");
        QCOMPARE(p->phraseField->text(), QString::fromUtf8("città 😀 ") + QString("z").repeated(47));

        QTest::keyClicks(p->fixedPartField, "orca");
        QCOMPARE(p->fixedLetterCount->text(), QString("- 4"));
    }

    void generaNeedsAFixedPartThatFitsAndLeavesLetters() {
        AnagrWindow w;
        AnagrPage* p = w.page;
        QVERIFY(!w.start->isEnabled());  // empty phrase
        QTest::keyClicks(p->phraseField, "arco ma re");
        QVERIFY(w.start->isEnabled());

        struct Case {
            const char* fixed;
            bool enabled;
            bool counts;
        };
        for (const Case& c : {Case{"ma", true, true}, Case{"Mare, Arco", false, true}, Case{"zeta", false, false},
                              Case{"arco ma ree", false, false}, Case{"", true, true}}) {
            p->fixedPartField->setText(c.fixed);
            QVERIFY2(w.start->isEnabled() == c.enabled, c.fixed);
            QVERIFY2(ShownOnPage(p->phraseLetterCount, p) == c.counts, c.fixed);
            QVERIFY2(ShownOnPage(p->fixedLetterCount, p) == c.counts, c.fixed);
        }

        // Enter with "Genera" disabled starts nothing.
        p->fixedPartField->setText("zeta");
        QTest::keyClick(p->phraseField, Qt::Key_Return);
        QVERIFY(!w.window->IsBusy());
        w.window->PressStart();
        QVERIFY(!w.window->IsBusy());
    }

    void controlsFollowTheSchemaLengthFilterAndWordCountRules() {
        AnagrWindow w;
        AnagrPage* p = w.page;
        // Which of the schema box and field, the shuffle box, the three lists and the filter choice show, as 1 and 0.
        auto shown = [p] {
            QString bits;
            for (QWidget* x : {static_cast<QWidget*>(p->schemaBox), static_cast<QWidget*>(p->schemaField),
                               static_cast<QWidget*>(p->shuffleBox), p->minWordLength->parentWidget(),
                               p->minWords->parentWidget(), p->maxWords->parentWidget(),
                               static_cast<QWidget*>(p->filterHowList)})
                bits += ShownOnPage(x, p) ? '1' : '0';
            return bits;
        };
        QTest::keyClicks(p->phraseField, "arco ma re");
        QCOMPARE(shown(), QString("1011110"));
        p->schemaBox->click();
        QCOMPARE(shown(), QString("1110000"));
        // 30 letters to place: no word counts, no schema, no shuffle choice.
        p->phraseField->setText(QString("abcdefghij").repeated(3));
        QCOMPARE(shown(), QString("0000000"));
        p->fixedPartField->setText("a");  // 29 letters: the schema is back
        QCOMPARE(shown(), QString("1110000"));
        p->schemaBox->click();
        QCOMPARE(shown(), QString("1011110"));
        p->applyFiltersBox->click();
        QCOMPARE(shown(), QString("1011111"));
        p->applyFiltersBox->click();
        QCOMPARE(shown(), QString("1011110"));

        // The word counts stay in order: the list just changed wins.
        p->maxWords->setCurrentIndex(1);
        p->minWords->setCurrentIndex(3);
        QCOMPARE(p->maxWords->currentIndex(), 3);
        p->maxWords->setCurrentIndex(0);
        QCOMPARE(p->minWords->currentIndex(), 0);
        p->maxWords->setCurrentIndex(4);
        QCOMPARE(p->minWords->currentIndex(), 0);
    }

    void enterInThePhraseFindsTheAnagramsWithThePageValues() {
        AnagrWindow w;
        AnagrPage* p = w.page;
        QTest::keyClicks(p->phraseField, "Arco, ma re!");
        QVERIFY(w.Search([&] { QTest::keyClick(p->phraseField, Qt::Key_Return); }));
        QCOMPARE(OutputLines(*w.window), (QStringList{"[arco orca roca] [mare rame] ", "[arco orca roca] ma re "}));
        QCOMPARE(p->candidateCountLabel->text(), QString("in. 10"));
        QVERIFY(!w.window->IsBusy());
        QVERIFY(w.start->isEnabled());
        // "Mostra in." lists the candidate classes.
        QVERIFY(w.Search([&] { p->showCandidatesButton->click(); }));
        QCOMPARE(OutputLines(*w.window), (QStringList{"[arco orca roca] ", "[mare rame] ", "come ", "remo ", "ore ",
                                                     "ma ", "re "}));
        p->minWordLength->setCurrentIndex(3);
        QVERIFY(w.Search([&] { p->showCandidatesButton->click(); }));
        QCOMPARE(p->candidateCountLabel->text(), QString("in. 7"));

        // The search reads every list and option as the page shows them.
        p->fixedPartField->setText("ma");
        p->minWordLength->setCurrentIndex(1);
        p->minWords->setCurrentIndex(1);
        p->maxWords->setCurrentIndex(2);
        p->compactBox->click();
        QVERIFY(w.Search([&] { QTest::keyClick(p->fixedPartField, Qt::Key_Enter); }));
        QCOMPARE(OutputLines(*w.window), (QStringList{"ma arco re ", "ma orca re ", "ma roca re "}));
        QCOMPARE(p->candidateCountLabel->text(), QString("in. 5"));

        // Enter in the schema field starts the schema search.
        p->fixedPartField->clear();
        p->schemaBox->click();
        QTest::keyClicks(p->schemaField, "4 2 2");
        QVERIFY(w.Search([&] { QTest::keyClick(p->schemaField, Qt::Key_Return); }));
        QCOMPARE(OutputLines(*w.window), (QStringList{"arco re ma ", "orca re ma ", "roca re ma "}));
    }

    void aCapoWrapsTheOutputAndMarksEveryResult() {
        AnagrWindow w;
        AnagrPage* p = w.page;
        QPlainTextEdit* output = OutputOf(*w.window);
        auto* gioco = w.window->findChild<QTabWidget*>("pageTabs");
        QCOMPARE(output->lineWrapMode(), QPlainTextEdit::NoWrap);
        p->wrapBox->click();
        QCOMPARE(output->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        gioco->setCurrentIndex(1);
        QCOMPARE(output->lineWrapMode(), QPlainTextEdit::NoWrap);
        gioco->setCurrentIndex(0);
        QCOMPARE(output->lineWrapMode(), QPlainTextEdit::WidgetWidth);

        QTest::keyClicks(p->phraseField, "arco ma re");
        QVERIFY(w.Search([&] { w.start->click(); }));
        QCOMPARE(OutputLines(*w.window), (QStringList{"- [arco orca roca] [mare rame] ", "- [arco orca roca] ma re "}));
        p->wrapBox->click();
        QCOMPARE(output->lineWrapMode(), QPlainTextEdit::NoWrap);
        p->compactBox->click();  // shares the handler: no wrap still
        QCOMPARE(output->lineWrapMode(), QPlainTextEdit::NoWrap);
    }

    void filterChoiceAppliesTheParoleFiltersNormalised() {
        AnagrWindow w;
        AnagrPage* p = w.page;
        // The pattern is typed on the Parole page; its texts come back normalised.
        auto* gioco = w.window->findChild<QTabWidget*>("pageTabs");
        gioco->setCurrentIndex(1);
        auto* pattern = w.window->findChild<QLineEdit*>("firstPattern");
        pattern->setText("m*!");
        gioco->setCurrentIndex(0);
        QTest::keyClicks(p->phraseField, "arco ma re");
        p->applyFiltersBox->click();
        p->filterHowList->setCurrentIndex(3);  // "al massimo ad una parola"
        QVERIFY(w.Search([&] { w.start->click(); }));
        QCOMPARE(OutputLines(*w.window),
                 (QStringList{"[arco orca roca] mare ", "[arco orca roca] rame ", "[arco orca roca] ma re "}));
        gioco->setCurrentIndex(1);
        QCOMPARE(pattern->text(), QString("m*"));
    }
};

QTEST_MAIN(AnagrPageTest)
#include "anagr_page_test.moc"
