// The "Cerca" page in the window: its categories, how its options change the
// page, Enter in the base field, the bases that start nothing, and a search
// started while the indexes of a fresh load are being built.

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <filesystem>
#include <string>

#include "shell/cerca_page.h"
#include "shell/shell_test_support.h"
#include "support/fixture_dictionary.h"

using sillabor::App;
using sillabor::shell::CercaPage;
using sillabor::shell::MainWindow;
using namespace sillabor::test;

namespace {

const std::vector<std::string> kRosaWords = {"rosa", "orsa", "raso", "sora", "osa",
                                             "rossa", "rasa", "roma", "rose", "casa"};

const std::vector<std::string> kCharadeWords = {"portafoglio", "porta", "foglio", "porto", "fogli", "oglio",
                                                 "orta", "afoglio", "porti", "portafogli", "tafoglio", "fo"};

const QString kJollyAndGroups = "Jolly = asterisco (max 2). Gruppi di lettere con [], es. [qu]";
const QString kGroups = "Gruppi di lettere con [], es. [qu]";


void Choose(QButtonGroup* group, int id) { group->button(id)->setChecked(true); }

}  // namespace

class CercaPageTest : public QObject {
    Q_OBJECT

private slots:
    void optionsChangeThePageAndTheRequest() {
        TempFolder folder;
        App app(folder.path());
        CercaPage page(app, app.Get<sillabor::CercaGame>());
        auto gridShown = [&] {
            return page.diagonalsBox->isVisibleTo(&page) && page.reuseBox->isVisibleTo(&page) &&
                   page.gridModeGroup->button(0)->isVisibleTo(&page);
        };
        // Captions through the text conversion: the registered sign, and "&&" to show one ampersand.
        QCOMPARE(page.categoryGroup->button(5)->text(), QString::fromUtf8("paroliere®"));
        QCOMPARE(page.gridModeGroup->button(2)->text(), QString("disp. && ris."));
        // The look the window gives the page when it is created.
        QCOMPARE(page.baseField->maxLength(), 80);
        QCOMPARE(page.baseHint->text(), QString());
        QVERIFY(!gridShown());

        struct Look {
            int category;
            QString hint;
            int maxLength;
            bool grid;
        };
        for (const Look& look : {Look{5, kJollyAndGroups, 300, true}, Look{4, kJollyAndGroups, 300, false},
                                 Look{6, "Jolly = asterisco (max 2)", 80, false},
                                 Look{7, "inserisci due o tre parole separate da spazi", 80, false},
                                 Look{1, "", 80, false}, Look{0, "", 80, false}}) {
            Choose(page.categoryGroup, look.category);
            QCOMPARE(page.baseHint->text(), look.hint);
            QCOMPARE(page.baseField->maxLength(), look.maxLength);
            QCOMPARE(gridShown(), look.grid);
            QCOMPARE(page.HelpKeys().first(), QString("CERCA%1").arg(look.category));
        }

        // The grid: reuse changes the hint; "disponi" greys out reuse and keeps its tick.
        Choose(page.categoryGroup, 5);
        page.reuseBox->setChecked(true);
        QCOMPARE(page.baseHint->text(), kGroups);
        Choose(page.gridModeGroup, 1);
        QVERIFY(!page.reuseBox->isEnabled());
        QVERIFY(page.reuseBox->isChecked());
        QCOMPARE(page.baseHint->text(), kGroups);
        page.diagonalsBox->setChecked(false);
        const sillabor::CercaRequest request = page.Request();
        QCOMPARE(request.category, sillabor::kCercaGrid);
        QCOMPARE(request.gridMode, sillabor::kGridArrange);
        QVERIFY(request.reuseLetters && !request.diagonals);
        Choose(page.gridModeGroup, 0);
        QVERIFY(page.reuseBox->isEnabled());

        // A shorter limit cuts a longer base.
        page.baseField->setText(QString(120, 'a'));
        Choose(page.categoryGroup, 0);
        QCOMPARE(page.baseField->text().size(), 80);
    }

    void enterInTheBaseSearchesItAndOnlyAValidBaseStarts() {
        PageWindow<CercaPage> w(2, kRosaWords);
        MainWindow& window = *w.window;
        CercaPage* page = w.page;
        QSignalSpy ended(&window, &MainWindow::SearchEnded);

        page->baseField->setText(QString::fromUtf8("R\u00f3sa!"));
        QTest::keyClick(page->baseField, Qt::Key_Return);
        QTRY_COMPARE_WITH_TIMEOUT(ended.count(), 1, kLoadTimeout);
        // The lines themselves are the edit search's own (its tests check them all).
        const QStringList results = OutputLines(window);
        QCOMPARE(results.size(), 21);
        QCOMPARE(results.first(), QString("Anagramma: rosa -> orsa"));
        QCOMPARE(results.last(), QString("Fine Ricerca"));
        QCOMPARE(window.app().Get<sillabor::CercaGame>().state.BaseWord, std::string("rosa"));

        // Refusals add their message under the results at once, and nothing
        // left of the text adds nothing; nothing starts.
        struct Refusal {
            QString typed;
            int category;
            bool reuse;
            QString message;
        };
        QStringList expected = results;
        for (const Refusal& r : {Refusal{"ro*sa", 0, false, "I Jolly (*) non sono ammessi in questa ricerca"},
                                 Refusal{"a*b*c*", 0, false, "Sono ammessi al massimo due Jolly "},
                                 Refusal{"ab*", 5, true, "I Jolly e le opzioni <Riuso> o <Disponi> sono incompatibili"},
                                 Refusal{"'!? 12 ,.", 0, false, ""}}) {
            Choose(page->categoryGroup, r.category);
            page->reuseBox->setChecked(r.reuse);
            page->baseField->setText(r.typed);
            QTest::keyClick(page->baseField, Qt::Key_Return);
            QVERIFY(!window.IsBusy());
            if (!r.message.isEmpty()) expected << r.message;
            QCOMPARE(OutputLines(window), expected);
        }
        QCoreApplication::processEvents();
        QCOMPARE(ended.count(), 1);
        QCOMPARE(window.app().Get<sillabor::CercaGame>().state.BaseWord, std::string("rosa"));
    }

    // "disponi" shows the arranged grid in the base field when the search
    // ends; the next "Genera" solves that grid.
    void aSearchStartedAsTheLoadEndsGivesItsLinesAndTheIndexesFollowWithoutOne() {
        TempFolder folder;
        WritePreparedDictionary(folder.path(), "Default", kCharadeWords);
        MainWindow window(Root(folder));
        auto* page = qobject_cast<CercaPage*>(window.Page(2));
        window.findChild<QTabWidget*>("pageTabs")->setCurrentIndex(2);
        Choose(page->categoryGroup, 1);
        page->baseField->setText("portafoglio");
        // "Genera" the moment the load has ended, while the indexes are being built.
        int ends = 0;
        QObject::connect(&window, &MainWindow::SearchEnded, &window, [&] {
            if (++ends == 1) window.PressStart();
        });
        QTRY_COMPARE_WITH_TIMEOUT(ends, 2, kLoadTimeout);
        const QString rule(50, '-');
        QCOMPARE(OutputLines(window),
                 QStringList({"porta + foglio -> portafoglio", rule, "porTA + TAfoglio -> porTAfoglio",
                              "portA + Afoglio -> portAfoglio", "porTAFOGLI + TAFOGLIo -> porTAFOGLIo",
                              "portAFOGLI + AFOGLIo -> portAFOGLIo", "portaFOGLI + FOGLIo -> portaFOGLIo",
                              "portafOGLI + OGLIo -> portafOGLIo", rule, "Fine Ricerca"}));
        // Cerca's indexes are ready, and the files of every page's indexes
        // are there for the next start and the other pages' first searches.
        QTRY_VERIFY_WITH_TIMEOUT(!window.PreparingIndexes(), kLoadTimeout);
        const auto kept = [&](const char* kind) {
            return std::filesystem::exists(folder.path() / "Dizionari" / "Default" / ("j_r_Default." + std::string(kind)));
        };
        for (const char* kind : {"albero", "rime", "tabella-parole", "tabella-code", "finali", "metagrammi", "cambi",
                                 "scarti"})
            QVERIFY2(kept(kind), kind);
    }

    void theArrangedGridReplacesTheBase() {
        PageWindow<CercaPage> w(2, kRosaWords);
        MainWindow& window = *w.window;
        CercaPage* page = w.page;
        Choose(page->categoryGroup, 5);
        Choose(page->gridModeGroup, 1);
        page->baseField->setText("rossa casa roma xyz");
        QVERIFY(w.Search([&] { QTest::keyClick(page->baseField, Qt::Key_Return); }));
        const QStringList rows = page->baseField->text().split(' ');
        QCOMPARE(rows.size(), 4);
        for (const QString& row : rows) QCOMPARE(row.size(), 4);
        // The table's first row shows the first four cells.
        QString firstRow = OutputLines(window).at(1);
        QCOMPARE(firstRow.remove(' ').remove('|'), rows.first().toUpper());

        Choose(page->gridModeGroup, 0);
        QVERIFY(w.Search([&] { QTest::keyClick(page->baseField, Qt::Key_Return); }));
        QVERIFY(OutputLines(window).contains("[ 5] rossa"));
        QCOMPARE(page->baseField->text(), rows.join(' '));
    }
};

QTEST_MAIN(CercaPageTest)
#include "cerca_page_test.moc"
