// The window's lasting choices: written when they change, found again at the
// next start; a first start and unusable values keep the window's defaults.

#include <QAction>
#include <QLabel>
#include <QSettings>
#include <QTabWidget>
#include <QTest>

#include "shell/output_area.h"
#include "shell/settings_keeper.h"
#include "shell/shell_test_support.h"

using sillabor::shell::SettingsKeeper;
using sillabor::shell::MainWindow;
using namespace sillabor::test;

namespace {

// A window with its keeper, as the program starts them.
struct Session {
    QSettings settings;
    MainWindow window;
    SettingsKeeper keeper;
    Session(const TempFolder& folder)
        : settings(Root(folder) + "/sillabor.conf", QSettings::IniFormat), window(Root(folder)), keeper(settings, window) {}

    template <typename T>
    T* Named(const char* name) {
        return window.findChild<T*>(name);
    }
    void WaitIdle() { QTRY_VERIFY_WITH_TIMEOUT(!window.IsBusy(), kLoadTimeout); }
};

void WriteDefault(const TempFolder& folder) { WritePreparedDictionary(folder.path(), "Default", {"casa", "mare", "rame"}); }

// Each page's automatic-saving choice.
std::vector<int> Modes(MainWindow& window) {
    std::vector<int> modes;
    for (int page = 0; page < window.PageCount(); ++page) modes.push_back(window.autosave().Mode(page));
    return modes;
}

}  // namespace

class SettingsKeeperTest : public QObject {
    Q_OBJECT

private slots:
    void choicesComeBackAtTheNextStart() {
        TempFolder folder;
        WriteDefault(folder);
        const QFont chosen("Liberation Mono", 15);
        std::vector<int> chosenModes;
        {
            Session first(folder);
            // Every page that can save does "Salva", the shown one "Accoda".
            for (int mode : Modes(first.window))
                chosenModes.push_back(mode == sillabor::kSaveUnavailable ? mode : sillabor::kSaveWrite);
            chosenModes[2] = sillabor::kSaveAppend;
            first.window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&first.window));
            first.WaitIdle();
            first.Named<QWidget>("outputArea")->setFont(chosen);
            first.Named<QTabWidget>("pageTabs")->setCurrentIndex(2);
            first.Named<QAction>("saveAll")->trigger();   // every page: "Salva"
            first.Named<QAction>("appendPage")->trigger();  // this page: "Accoda"
            first.window.resize(700, 520);
            first.window.close();
        }
        Session second(folder);
        QCOMPARE(second.Named<QWidget>("outputArea")->font().family(), chosen.family());
        QCOMPARE(second.Named<QWidget>("outputArea")->font().pointSize(), 15);
        QCOMPARE(Modes(second.window), chosenModes);
        QCOMPARE(second.window.size(), QSize(700, 520));
        // The last page comes back once the start-up load is over.
        second.WaitIdle();
        QTRY_COMPARE(second.Named<QTabWidget>("pageTabs")->currentIndex(), 2);
        QVERIFY(second.Named<QAction>("appendPage")->isChecked());
    }

    void unreadableValuesKeepTheDefaults() {
        TempFolder folder;
        WriteDefault(folder);
        {
            QSettings settings(Root(folder) + "/sillabor.conf", QSettings::IniFormat);
            settings.setValue("uscita/carattere", "");
            settings.setValue("salvataggio/modi", "9,x,-1,,7");
            settings.setValue("finestra/pagina", 42);
        }
        Session session(folder);
        MainWindow fresh(Root(folder));
        QCOMPARE(session.Named<QWidget>("outputArea")->font(), sillabor::shell::OutputArea::DefaultFont());
        QCOMPARE(Modes(session.window), Modes(fresh));
        session.WaitIdle();
        QCOMPARE(session.Named<QTabWidget>("pageTabs")->currentIndex(), 0);
    }

    void aDamagedOrUnreadableFileGivesTheDefaultsAndALine() {
        for (const bool damaged : {true, false}) {
            TempFolder folder;
            WriteDefault(folder);
            const QString file = Root(folder) + "/sillabor.conf";
            if (damaged)
                WriteFile(folder.path() / "sillabor.conf", "[finestra]\npagina=3\n[salvataggio\x01\xff\nmodi=\"1,1\n");
            else
                std::filesystem::create_directory(folder.path() / "sillabor.conf");
            Session session(folder);
            session.WaitIdle();
            QCOMPARE(session.Named<QLabel>("statusPanel0")->text(),
                     (damaged ? "Impostazioni danneggiate (" : "Impostazioni non leggibili (") + file +
                         "): uso quelle iniziali");
            QCOMPARE(session.Named<QWidget>("outputArea")->font(), sillabor::shell::OutputArea::DefaultFont());
            // Not even the page that could still be read.
            QCOMPARE(session.Named<QTabWidget>("pageTabs")->currentIndex(), 0);
        }
    }

    void aSavesFolderThatCannotBeUsedKeepsSavingDisabled() {
        TempFolder folder;
        WriteDefault(folder);
        WriteFile(folder.path() / "Salvataggi", "a file, not a folder");
        {
            QSettings settings(Root(folder) + "/sillabor.conf", QSettings::IniFormat);
            settings.setValue("salvataggio/modi", "0,0,0,0,0,0,0,0,0");
        }
        Session session(folder);
        QCOMPARE(Modes(session.window), std::vector<int>(session.window.PageCount(), sillabor::kSaveUnavailable));
        session.WaitIdle();
    }
};

QTEST_MAIN(SettingsKeeperTest)
#include "settings_keeper_test.moc"
