// The window's search cycle: start-up load, fatal state, stop, Enter, saving, help.

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFontDialog>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QButtonGroup>
#include <algorithm>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <stdexcept>
#include <atomic>

#include "app/run_game.h"
#include "game/game_registry.h"
#include "shell/accessible_names.h"
#include "shell/save_file.h"
#include "shell/shell_test_support.h"
#include "support/fixture_dictionary.h"

using sillabor::App;
using sillabor::shell::MainWindow;
using namespace sillabor::test;

namespace {

const std::vector<std::string> kWords = {"casa", "cane", "sacca", "arco", "orca", "roca", "remo", "mare", "rame"};


template <typename T>
T* Named(MainWindow& window, const char* name) {
    return window.findChild<T*>(name);
}

QString Panel(MainWindow& window, int i) { return Named<QLabel>(window, QString("statusPanel%1").arg(i).toLatin1())->text(); }

void WaitIdle(MainWindow& window) { QTRY_VERIFY_WITH_TIMEOUT(!window.IsBusy(), kLoadTimeout); }

QString WithDefault(const TempFolder& folder) {
    WritePreparedDictionary(folder.path(), "Default", kWords);
    return Root(folder);
}

// A window on a folder whose "Default" holds kWords, idle after the load.
struct Loaded {
    TempFolder folder;
    MainWindow window{WithDefault(folder)};
    Loaded() { WaitIdle(window); }
    // Shows, in place of the "Parole" page, a page with one field.
    FieldPage* ShowFieldPage() {
        auto* page = new FieldPage(window.app(), window.app().Get<sillabor::ParoleGame>().Id(), 0);
        window.ReplacePage(1, page);
        Named<QTabWidget>(window, "pageTabs")->setCurrentIndex(1);
        return page;
    }
};

// A page of its own: "Genera" prints a line.
class StandInGame : public sillabor::Game {
public:
    sillabor::GameInfo Info() const override { return {"prova", "Prova", "Prova", ""}; }
    std::vector<std::string> HelpKeys() const override { return {}; }
    int Run(sillabor::GameContext& ctx, int) override {
        ctx.out.PrintLine("prova");
        return 0;
    }
};

class TStandInPage : public sillabor::shell::GamePage {
public:
    TStandInPage(App& app, StandInGame& game) : GamePage(app, game), game_(game) {}
    bool CanStart() const override { return true; }
    bool PrepareSearch(int& game, int& option) override {
        game = game_.Id();
        option = 0;
        return true;
    }
    QStringList HelpKeys() const override { return {}; }

private:
    StandInGame& game_;
};

void WorkbenchAndStandIn(sillabor::GameRegistry& games) {
    sillabor::RegisterGames(games);
    games.Register<StandInGame>();
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void startUpLoadsDefaultAndTheDizioPageLoadsAnother() {
        TempFolder folder;
        WritePreparedDictionary(folder.path(), "Default", kWords);
        WritePreparedDictionary(folder.path(), "Altro", {"uno", "due", "tre", "quattro"});
        MainWindow window(Root(folder));
        QVERIFY(window.IsBusy());
        QVERIFY(!Named<QPushButton>(window, "stopButton")->isEnabled());
        WaitIdle(window);

        const QStringList lines = OutputLines(window);
        QVERIFY(lines.contains("Dizionario caricato e ordinato"));
        QCOMPARE(Panel(window, 1), QString("Dizionario: Default"));
        QVERIFY(Panel(window, 0).startsWith("Caricate "));
        QVERIFY(Named<QTabWidget>(window, "pageTabs")->isEnabled());
        QVERIFY(Named<QPushButton>(window, "stopButton")->isEnabled());
        QVERIFY(std::filesystem::is_directory(folder.path() / "Salvataggi"));
        QVERIFY(!std::filesystem::exists(folder.path() / "Salvataggi" / "ttt__ttt"));
        QComboBox* list = Named<QComboBox>(window, "dictionaryList");
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->currentText(), QString("Default"));

        // A page whose game exists offers "Genera" with its own caption; one
        // whose game is still to come keeps it disabled.
        QPushButton* start = Named<QPushButton>(window, "startButton");
        QVERIFY(!start->isEnabled());
        window.ReplacePage(1, new FieldPage(window.app(), window.app().Get<sillabor::DizioGame>().Id(), sillabor::kDictionaryLoad));
        auto* gioco = Named<QTabWidget>(window, "pageTabs");
        gioco->setCurrentIndex(1);
        QVERIFY(start->isEnabled());
        QCOMPARE(start->text(), QString("Prova"));
        gioco->setCurrentIndex(8);
        QVERIFY(start->isHidden());
        QVERIFY(Named<QPushButton>(window, "stopButton")->isHidden());
        gioco->setCurrentIndex(6);  // "Curio" leaves "Genera" as the previous page had it
        QVERIFY(start->isHidden());
        QVERIFY(!Named<QPushButton>(window, "stopButton")->isHidden());

        // The "Dizio" page loads the dictionary chosen; "Agg.Lista" refreshes the list.
        gioco->setCurrentIndex(8);
        list->setCurrentText("Altro");
        QSignalSpy ended(&window, &MainWindow::SearchEnded);
        Named<QPushButton>(window, "loadButton")->click();
        QVERIFY(window.IsBusy());
        QVERIFY(!Named<QTabWidget>(window, "pageTabs")->isEnabled());
        QTRY_COMPARE_WITH_TIMEOUT(ended.count(), 1, kLoadTimeout);
        QCOMPARE(Panel(window, 1), QString("Dizionario: Altro"));
        QCOMPARE(window.app().dict.WordCount, 5);
        QCOMPARE(OutputLines(window).first(), QString());  // the output was emptied first
        // "Agg.Lista" finds a new folder and selects "Default" again.
        WritePreparedDictionary(folder.path(), "Nuovo", kWords);
        Named<QPushButton>(window, "rescanButton")->click();
        QCOMPARE(list->count(), 3);
        QCOMPARE(list->currentText(), QString("Default"));
        QCOMPARE(OutputLines(window), QStringList{"Lista Dizionari Aggiornata"});
    }

    // No "Default": fatal at once; one of two words: fatal after the load.
    void aStandInPageNeedsOnlyItsGameAndOneLineInThePageList() {
        TempFolder folder;
        sillabor::shell::WindowPages pages;
        pages.games = WorkbenchAndStandIn;
        const auto workbench = pages.makePages;
        pages.makePages = [workbench](App& app) {
            std::vector<sillabor::shell::GamePage*> list = workbench(app);
            list.push_back(new TStandInPage(app, app.Get<StandInGame>()));
            return list;
        };
        MainWindow window(WithDefault(folder), nullptr, pages);
        WaitIdle(window);
        auto* gioco = Named<QTabWidget>(window, "pageTabs");
        QCOMPARE(gioco->count(), 10);
        QCOMPARE(gioco->tabText(9), QString("Prova"));
        gioco->setCurrentIndex(9);
        QVERIFY(SearchAndWait(window, [&] { Named<QPushButton>(window, "startButton")->click(); }));
        QCOMPARE(OutputLines(window), QStringList{"prova"});

        // Without its page the window does not start.
        pages.makePages = workbench;
        QVERIFY_THROWS_EXCEPTION(std::logic_error, MainWindow(WithDefault(folder), nullptr, pages));
    }

    void missingOrUnusableDefaultEndsInTheFatalState() {
        for (const bool present : {false, true}) {
            TempFolder folder;
            WritePreparedDictionary(folder.path(), present ? "Default" : "Altro", {"uno", "due"});
            MainWindow window(Root(folder));
            if (!present) QVERIFY(window.IsFatal() && !window.IsBusy());
            WaitIdle(window);
            QVERIFY(window.IsFatal());
            QCOMPARE(OutputLines(window).last(), QString("ERRORE FATALE : IMPOSSIBILE PROSEGUIRE !"));
            if (present) QCOMPARE(Panel(window, 1), QString("Dizionario: (FALLITO!)"));
            QVERIFY(!Named<QPushButton>(window, "startButton")->isEnabled());
            QVERIFY(!Named<QPushButton>(window, "stopButton")->isEnabled());
            QVERIFY(Named<QTabWidget>(window, "pageTabs")->isHidden());
            if (!present) continue;
            for (const char* name : {"startButton", "stopButton", "helpButton"})
                QVERIFY2(window.findChild<QWidget*>(name)->isHidden(), name);
        }
    }

    void stopDuringALoadChangesNothing() {
        Loaded w;
        MainWindow& window = w.window;
        Gate gate;
        window.SetGameRunner([&gate](App& app, int game, int option) {
            const int status = sillabor::RunGame(app, game, option);
            gate.Wait(app);  // still "running" when "Stop !" is pressed
            return status;
        });
        Named<QTabWidget>(window, "pageTabs")->setCurrentIndex(8);
        QSignalSpy ended(&window, &MainWindow::SearchEnded);
        Named<QPushButton>(window, "loadButton")->click();
        QTRY_VERIFY(OutputLines(window).contains("Dizionario caricato e ordinato"));
        window.PressStop();
        gate.Open();
        QTRY_COMPARE_WITH_TIMEOUT(ended.count(), 1, kLoadTimeout);
        QCOMPARE(OutputLines(window).last(), QString("Per istruzioni: bottone <?>  o file <leggimi.txt>"));
        QVERIFY(!window.app().state.StopRequested);
        QCOMPARE(Panel(window, 1), QString("Dizionario: Default"));
    }

    void enterInAFieldStartsTheSearchOnlyWhenIdle() {
        Loaded w;
        MainWindow& window = w.window;
        std::atomic<int> runs{0};
        Gate gate;
        window.SetGameRunner([&](App& app, int, int) {
            ++runs;
            gate.Wait(app);
            return 0;
        });
        FieldPage* page = w.ShowFieldPage();
        QSignalSpy ended(&window, &MainWindow::SearchEnded);

        QTest::keyClick(page->field, Qt::Key_Return);
        QVERIFY(window.IsBusy());
        QTRY_COMPARE(runs.load(), 1);
        QTest::keyClick(page->field, Qt::Key_Enter);
        QTest::keyClick(page->field, Qt::Key_Return);
        window.PressStart();
        QCoreApplication::processEvents();
        QCOMPARE(runs.load(), 1);
        QCOMPARE(page->field->text(), QString());  // Enter never reaches the field

        gate.Open();
        QTRY_COMPARE(ended.count(), 1);
        QVERIFY(!OutputLines(window).contains("RICERCA INTERROTTA"));
        QTest::keyClick(page->field, Qt::Key_Return);
        QTRY_COMPARE(ended.count(), 2);
        QCOMPARE(runs.load(), 2);
    }

    void escStopsASearchF1PrintsTheHelpAndTheFocusComesBack() {
        Loaded w;
        MainWindow& window = w.window;
        FieldPage* page = w.ShowFieldPage();
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        Gate gate;
        window.SetGameRunner(gate.HoldingRunner());
        QSignalSpy ended(&window, &MainWindow::SearchEnded);

        // Focus on the page's second control: the search gives it back there.
        page->box->setFocus();
        window.PressStart();
        QVERIFY(window.IsBusy());
        QTest::keyClick(&window, Qt::Key_F1);  // no help while a search runs
        QTest::keyClick(&window, Qt::Key_Escape);
        QTRY_COMPARE(ended.count(), 1);
        QVERIFY(OutputLines(window).contains("RICERCA INTERROTTA"));
        QCOMPARE(QApplication::focusWidget(), page->box);

        // Idle, Esc does nothing and F1 prints the page's help.
        QTest::keyClick(&window, Qt::Key_Escape);
        QVERIFY(!window.app().state.StopRequested);
        QTest::keyClick(&window, Qt::Key_F1);
        QCOMPARE(OutputLines(window).value(0), QString("Impossibile trovare il file di help (sillaboraiut.txt)"));
        QCOMPARE(ended.count(), 1);
    }

    void aStatusPanelShowsItsWholeText() {
        Loaded w;
        MainWindow& window = w.window;
        FieldPage* page = w.ShowFieldPage();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* panel = Named<QLabel>(window, "statusPanel0");
        // Wider than the panel's 200 pixels: the panel grows to show it.
        QString text = "Raccolta info al 100% in 0.02 sec";
        while (panel->fontMetrics().horizontalAdvance(text) <= 210) text += "0";
        emit page->ShowStatus(text);
        QCOMPARE(panel->toolTip(), text);
        QTRY_VERIFY(panel->contentsRect().width() >= panel->fontMetrics().horizontalAdvance(text));
        // Wider than the window: the panel keeps its text whole as its tooltip.
        const QString longer = text + QString(" e ancora").repeated(20);
        emit page->ShowStatus(longer);
        QCOMPARE(panel->text(), longer);
        QCOMPARE(panel->toolTip(), longer);
    }

    void everyControlOfEveryPageHasANameForScreenReaders() {
        Loaded w;
        MainWindow& window = w.window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* tabs = Named<QTabWidget>(window, "pageTabs");
        QStringList unnamed;
        for (int page = 0; page < tabs->count(); ++page) {
            tabs->setCurrentIndex(page);
            for (QWidget* widget : window.findChildren<QWidget*>()) {
                if (!sillabor::shell::NeedsAccessibleName(widget) || !widget->isVisible()) continue;
                if (qobject_cast<QComboBox*>(widget->parentWidget()) != nullptr) continue;
                QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(widget);
                if (spoken == nullptr || spoken->text(QAccessible::Name).trimmed().isEmpty())
                    unnamed << tabs->tabText(page) + ": " + widget->metaObject()->className() + " " + widget->objectName();
            }
        }
        unnamed.removeDuplicates();
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join("\n")));
    }

    void tabReachesEveryControlOfEveryPage() {
        Loaded w;
        MainWindow& window = w.window;
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto* tabs = Named<QTabWidget>(window, "pageTabs");
        QStringList unreached;
        for (int page = 0; page < tabs->count(); ++page) {
            tabs->setCurrentIndex(page);
            QWidget* shown = tabs->currentWidget();
            // Tab reaches one button of a group of radio buttons; the arrows move along the group.
            QList<QWidget*> controls;
            QSet<QButtonGroup*> groups;
            for (QWidget* widget : shown->findChildren<QWidget*>()) {
                auto* radio = qobject_cast<QRadioButton*>(widget);
                if (radio != nullptr && radio->group() != nullptr && groups.contains(radio->group())) continue;
                if (widget->isVisible() && widget->isEnabled() && (widget->focusPolicy() & Qt::TabFocus) &&
                    sillabor::shell::NeedsAccessibleName(widget)) {
                    controls << widget;
                    if (radio != nullptr && radio->group() != nullptr) groups.insert(radio->group());
                }
            }
            tabs->tabBar()->setFocus();
            QSet<QWidget*> visited;
            for (int press = 0; press < 2 * controls.size() + 10; ++press) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                visited.insert(QApplication::focusWidget());
            }
            for (QWidget* control : controls) {
                auto* radio = qobject_cast<QRadioButton*>(control);
                const bool reached = radio != nullptr && radio->group() != nullptr
                                         ? std::any_of(visited.begin(), visited.end(),
                                                       [&](QWidget* w) { return radio->group()->buttons().contains(w); })
                                         : visited.contains(control);
                if (!reached) unreached << tabs->tabText(page) + ": " + control->objectName();
            }
        }
        QVERIFY2(unreached.isEmpty(), qPrintable(unreached.join("\n")));
        // Tab leaves the output area too, back to the window's controls.
        auto* output = Named<QWidget>(window, "outputArea");
        output->setFocus();
        QTest::keyClick(output, Qt::Key_Tab);
        QVERIFY(QApplication::focusWidget() != output);
    }

    void aFolderThatCannotBeOpenedIsSaidInTheStatusBar() {
        Loaded w;
        MainWindow& window = w.window;
        // The offscreen platform has no file browser: the folder cannot be opened.
        Named<QAction>(window, "openSavesFolder")->trigger();
        QCOMPARE(Panel(window, 0), "Impossibile aprire la cartella " + QDir::toNativeSeparators(
                                                                           QFile::decodeName((w.folder.path() / "Salvataggi").c_str())));
    }

    void savingSearchWritesExactlyItsLinesThenTheClosingLine() {
        Loaded w;
        MainWindow& window = w.window;
        w.ShowFieldPage();
        Named<QAction>(window, "appendPage")->trigger();
        QVERIFY(Named<QAction>(window, "appendPage")->isChecked());

        Gate gate;
        bool waitForStop = false;
        window.SetGameRunner([&](App& app, int, int) {
            app.out.PrintLine("uno");
            app.out.PrintSeparator();
            app.out.PrintLine("citt\xE0");
            if (waitForStop) gate.Wait(app);
            return 0;
        });
        QSignalSpy ended(&window, &MainWindow::SearchEnded);
        const std::filesystem::path file = w.folder.path() / "Salvataggi" / "Parole.txt";
        const std::string separator(50, '-');

        window.PressStart();
        QTRY_COMPARE(ended.count(), 1);
        const std::string firstRun = "uno\n" + separator + "\ncitt\xC3\xA0\n============================\n";
        QCOMPARE(ReadFile(file), firstRun);
        QCOMPARE(OutputLines(window),
                 (QStringList{"Accodo i risultati a Parole.txt (lungo 0 bytes)", QString::fromStdString(separator), "uno",
                              QString::fromStdString(separator), QString::fromUtf8("città")}));

        // A stopped search keeps its partial lines, then the stop notice, then the closing line.
        waitForStop = true;
        window.PressStart();
        QTRY_VERIFY(OutputLines(window).contains("uno"));
        window.PressStop();
        QTRY_COMPARE(ended.count(), 2);
        QCOMPARE(OutputLines(window).first(),
                 QString("Accodo i risultati a Parole.txt (lungo %1 bytes)").arg(firstRun.size()));
        QCOMPARE(ReadFile(file), firstRun + "uno\n" + separator + "\ncitt\xC3\xA0\n" + separator +
                                     "\nRICERCA INTERROTTA\n============================\n");

        // "Non salvare" writes nothing more.
        Named<QAction>(window, "noSavePage")->trigger();
        const std::string before = ReadFile(file);
        waitForStop = false;
        window.PressStart();
        QTRY_COMPARE(ended.count(), 3);
        QCOMPARE(ReadFile(file), before);
        QCOMPARE(OutputLines(window).first(), QString("uno"));
    }

    void longSearchShowsItsLinesWhileItRuns() {
        Loaded w;
        MainWindow& window = w.window;
        w.ShowFieldPage();
        Gate gate;
        window.SetGameRunner([&gate](App& app, int, int) {
            app.state.FoundCount = 0;
            for (int i = 0; i < 10000; ++i) {
                app.out.PrintFormatted("riga %05d", i);
                app.state.CountOne();
                if (i == 4999) gate.Wait(app);
            }
            return 0;
        });
        QSignalSpy ended(&window, &MainWindow::SearchEnded);
        window.PressStart();
        // Shown while the search is still running, without any refresh of its own.
        QTRY_VERIFY(OutputLines(window).contains("riga 04999"));
        QVERIFY(window.IsBusy());
        QTRY_COMPARE(Panel(window, 0).left(17), QString("Generati 5000 in "));
        gate.Open();
        QTRY_COMPARE(ended.count(), 1);
        const QStringList lines = OutputLines(window);
        QCOMPARE(lines.size(), 10000);
        for (int i = 0; i < 10000; ++i) QCOMPARE(lines[i], QString("riga %1").arg(i, 5, 10, QChar('0')));
        QVERIFY(Panel(window, 0).startsWith("Generati 10000 in "));
    }

    void fontDialogAppliesLiveAndCancelRestores() {
        Loaded w;
        MainWindow& window = w.window;
        QPlainTextEdit* area = OutputOf(window);
        const QFont original = area->font();
        Named<QAction>(window, "changeFont")->trigger();
        auto* dialog = Named<QFontDialog>(window, "fontDialog");
        QFont bigger = original;
        bigger.setPointSize(20);
        dialog->setCurrentFont(bigger);
        QCOMPARE(area->font().pointSize(), 20);
        dialog->reject();
        QCOMPARE(area->font(), original);
        Named<QAction>(window, "changeFont")->trigger();
        dialog->setCurrentFont(bigger);
        dialog->accept();
        QCOMPARE(area->font().pointSize(), 20);
    }

    void saveMenuFollowsThePageAndItsAvailability() {
        Loaded w;
        MainWindow& window = w.window;
        auto* gioco = Named<QTabWidget>(window, "pageTabs");
        QMenu* menu = window.findChild<QMenu*>("autosaveMenu");
        QCOMPARE(Named<QAction>(window, "savePage")->text(), QString("Salva risultati in Anagrammi.txt"));
        QVERIFY(Named<QAction>(window, "noSavePage")->isChecked());
        Named<QAction>(window, "appendAll")->trigger();
        std::vector<int> modes;
        for (int page = 0; page < window.PageCount(); ++page) modes.push_back(window.autosave().Mode(page));
        QCOMPARE(modes, (std::vector<int>{1, 1, 1, 1, 1, 3, 1, 3, 3}));
        gioco->setCurrentIndex(4);
        QCOMPARE(Named<QAction>(window, "appendPage")->text(), QString("Accoda risultati a Metagr.txt"));
        QVERIFY(Named<QAction>(window, "appendPage")->isChecked());
        QVERIFY(menu->menuAction()->isEnabled());
        gioco->setCurrentIndex(5);
        QVERIFY(!menu->menuAction()->isEnabled());
    }

    void unusableSavesFolderDisablesSaving() {
        TempFolder folder;
        WritePreparedDictionary(folder.path(), "Default", kWords);
        WriteFile(folder.path() / "Salvataggi", "not a folder");
        MainWindow window(Root(folder));
        WaitIdle(window);
        const QStringList lines = OutputLines(window);
        const qsizetype notice = lines.indexOf("Non posso usare/creare directory Salvataggi");
        QVERIFY(notice >= 0);
        QCOMPARE(lines.value(notice + 1), QString("disabilitato il salvataggio automatico"));
        for (int page = 0; page < window.PageCount(); ++page) QCOMPARE(int(window.autosave().Mode(page)), 3);
        QVERIFY(!window.findChild<QMenu*>("autosaveMenu")->menuAction()->isEnabled());
    }

    void faultsAreReportedAndTheWindowStaysUsable() {
        Loaded w;
        MainWindow& window = w.window;
        w.ShowFieldPage();
        auto* gioco = Named<QTabWidget>(window, "pageTabs");
        QSignalSpy ended(&window, &MainWindow::SearchEnded);
        auto searchOnce = [&] {
            const int before = ended.count();
            window.PressStart();
            QTRY_COMPARE(ended.count(), before + 1);
            QVERIFY(!window.IsBusy() && !window.IsFatal());
            QVERIFY(Named<QPushButton>(window, "startButton")->isEnabled());
        };

        // A search that throws ends normally with a notice.
        window.SetGameRunner([](App&, int, int) -> int { throw std::runtime_error("guasto"); });
        searchOnce();
        QCOMPARE(OutputLines(window), QStringList{"Errore interno, ricerca interrotta"});

        Named<QAction>(window, "savePage")->trigger();
        window.SetGameRunner([](App& app, int, int) {
            for (int i = 0; i < 3000; ++i) app.out.PrintLine("riga " + std::to_string(i));
            return 0;
        });
        const std::filesystem::path saves = w.folder.path() / "Salvataggi";

        // A full disk: said once, every line still shown.
        MakeFullDisk(saves / "Parole.txt");
        searchOnce();
        QStringList lines = OutputLines(window);
        QCOMPARE(lines.count("Errore: impossibile scrivere il file Salvataggi/Parole.txt: salvataggio interrotto"), 1);
        QVERIFY(lines.contains("riga 2999"));
        QVERIFY(!std::filesystem::is_regular_file(saves / "Parole.txt"));

        // Salvataggi/ removed between two searches is made again.
        std::filesystem::remove_all(saves);
        searchOnce();
        QVERIFY(ReadFile(saves / "Parole.txt").starts_with("riga 0\n"));

        // The manual "Salva" into a full disk fails, and leaves the device a device.
        MakeFullDisk(saves / "pieno.txt");
        QVERIFY(!sillabor::shell::WriteTextFile(QString::fromStdString((saves / "pieno.txt").string()), "testo"));
        QVERIFY(!std::filesystem::is_regular_file(saves / "pieno.txt"));

        // Dizionari/ removed: a load and a new list say so, the dictionary in use stays.
        std::filesystem::remove_all(w.folder.path() / "Dizionari");
        gioco->setCurrentIndex(8);
        window.SetGameRunner([](App& app, int game, int option) { return sillabor::RunGame(app, game, option); });
        Named<QPushButton>(window, "loadButton")->click();
        QTRY_COMPARE_WITH_TIMEOUT(ended.count(), 4, kLoadTimeout);
        QVERIFY(OutputLines(window).contains("Errore: la cartella Dizionari/Default non esiste piu'"));
        QCOMPARE(Panel(window, 1), QString("Dizionario: Default"));
        Named<QPushButton>(window, "rescanButton")->click();
        QTRY_VERIFY(OutputLines(window).contains("ERRORE: Cartella 'Dizionari' non trovata!"));
        QVERIFY(!window.IsFatal());
        QVERIFY(!gioco->isHidden() && gioco->isEnabled());
        QCOMPARE(window.app().dict.WordCount, static_cast<int32_t>(kWords.size()) + 1);
    }

    void helpPrintsThePageSectionsThenTheCredit() {
        Loaded w;
        MainWindow& window = w.window;
        window.PressHelp();
        QStringList lines = OutputLines(window);
        QCOMPARE(lines.value(0), QString("Impossibile trovare il file di help (sillaboraiut.txt)"));
        QCOMPARE(lines.value(1), QString(50, '-'));
        QVERIFY(lines.value(2).startsWith("Sillabor 2.0"));

        WriteFile(w.folder.path() / "sillaboraiut.txt",
                  "###CERCA0\nzeppe\n**#\n###SpiegaGiochi\ngiochi\n**#\n###DIZIO\ndizionari\n**#\n"
                  "###SALVATAGGI\nsalvare\n**#\n");
        auto* gioco = Named<QTabWidget>(window, "pageTabs");
        gioco->setCurrentIndex(2);
        window.PressHelp();
        lines = OutputLines(window);
        QCOMPARE(lines.mid(0, 3), (QStringList{"zeppe", "giochi", QString(50, '-')}));
        gioco->setCurrentIndex(8);
        window.PressHelp();
        QCOMPARE(OutputLines(window).first(), QString("dizionari"));
        Named<QAction>(window, "savingHelp")->trigger();
        QCOMPARE(OutputLines(window), QStringList{"salvare"});
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
