// A soak of the window: every page driven with random but valid input, random
// "Stop !" presses, for SILLABOR_SOAK_SECONDS seconds (default 15; CI runs it
// longer). After each search the window must be idle again with its closing
// status, no search may overlap another, and the resident memory may not keep
// growing from one round of pages to the next. SILLABOR_SOAK_SEED replays a run.
// SILLABOR_SOAK_PAGE=N drives page N alone. A run longer than five minutes needs QTEST_FUNCTION_TIMEOUT (milliseconds)
// beyond it; under AddressSanitizer, a small quarantine_size_mb keeps the
// memory check meaningful.

#include <QAbstractButton>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <fstream>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

#include "shell/game_page.h"
#include "shell/shell_test_support.h"

using sillabor::shell::GamePage;
using sillabor::shell::MainWindow;
using namespace sillabor::test;

namespace {

// Every 40th word of the shipped list: a dictionary of a few thousand words,
// enough for every page to find something, small enough to search quickly.
std::vector<std::string> SoakWords() {
    std::ifstream list(SILLABOR_SOURCE_DIR "/Dizionari/Default/italian.txt");
    std::vector<std::string> words;
    std::string word;
    for (int n = 0; std::getline(list, word); ++n)
        if (n % 40 == 0 && word.size() >= 2 && word.find_first_not_of("abcdefghijklmnopqrstuvwxyz") == std::string::npos)
            words.push_back(word);
    return words;
}

long ResidentKilobytes() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

class Soak {
public:
    Soak(MainWindow& window, const std::vector<std::string>& words, unsigned seed)
        : window_(window), words_(words), random_(seed), ended_(&window, &MainWindow::SearchEnded) {}

    // One visit to the page: random input, then its search (if it has one),
    // maybe stopped. False, with `fault` set, when something is wrong.
    bool Visit(int page, QString& fault) {
        auto* tabs = window_.findChild<QTabWidget*>("pageTabs");
        tabs->setCurrentIndex(page);
        GamePage* shown = window_.Page(page);
        FillFields(shown);
        ToggleChoices(shown);
        if (!Act(shown)) return true;  // a page that searches nothing (Cern updates as it is typed)

        ++searches_;
        if (Chance(2)) {
            QTest::qWait(Between(0, 300));
            QTest::keyClick(&window_, Qt::Key_Escape);
        }
        // Random lists run until stopped: nothing waits for ever.
        QElapsedTimer waiting;
        waiting.start();
        while (window_.IsBusy()) {
            QTest::qWait(20);
            if (waiting.elapsed() > 3000) window_.PressStop();
            if (waiting.elapsed() > 60000) {
                fault = tabs->tabText(page) + ": the search did not end after Stop";
                return false;
            }
        }
        if (ended_.count() != searches_) {
            fault = tabs->tabText(page) + QString(": %1 searches started, %2 ended").arg(searches_).arg(ended_.count());
            return false;
        }
        if (window_.findChild<QLabel*>("statusPanel0")->text().trimmed().isEmpty()) {
            fault = tabs->tabText(page) + ": a search ended without its closing status";
            return false;
        }
        return true;
    }

    int Searches() const { return searches_; }

private:
    bool Chance(int oneIn) { return std::uniform_int_distribution<int>(1, oneIn)(random_) == 1; }
    int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    QString Word() { return QString::fromStdString(words_[static_cast<size_t>(Between(0, static_cast<int>(words_.size()) - 1))]); }

    // A field of one or two characters holds a length; the others words,
    // sometimes with the jokers of a pattern.
    QString TextFor(int maxLength) {
        if (maxLength <= 2) return maxLength == 1 ? QString(QChar('a' + Between(0, 25))) : QString::number(Between(0, 12));
        QString text = Word();
        if (Chance(3)) text += " " + Word();
        if (Chance(4)) text[Between(0, static_cast<int>(text.size()) - 1)] = Chance(2) ? '?' : '*';
        return text.left(maxLength);
    }

    void FillFields(GamePage* page) {
        for (QWidget* field : page->TextFields()) {
            if (!field->isVisible() || !field->isEnabled()) continue;
            if (auto* line = qobject_cast<QLineEdit*>(field)) {
                // setText, unlike clear, also empties the field's undo history,
                // which would otherwise grow with every visit.
                line->setText(QString());
                QTest::keyClicks(line, TextFor(line->maxLength()));
            } else if (auto* text = qobject_cast<QPlainTextEdit*>(field)) {
                text->setPlainText(TextFor(60));
            }
        }
    }

    void ToggleChoices(GamePage* page) {
        for (QAbstractButton* choice : page->findChildren<QAbstractButton*>()) {
            const bool box = qobject_cast<QCheckBox*>(choice) != nullptr || qobject_cast<QRadioButton*>(choice) != nullptr;
            if (box && choice->isVisible() && choice->isEnabled() && Chance(4)) choice->click();
        }
    }

    // Starts the page's search: "Genera", or one of the page's own buttons.
    bool Act(GamePage* page) {
        auto* start = window_.findChild<QPushButton*>("startButton");
        if (start->isVisible() && start->isEnabled() && Chance(4) != 1) {
            start->click();
        } else {
            std::vector<QPushButton*> buttons;
            for (QPushButton* button : page->findChildren<QPushButton*>())
                if (button->isVisible() && button->isEnabled()) buttons.push_back(button);
            if (buttons.empty()) return false;
            buttons[static_cast<size_t>(Between(0, static_cast<int>(buttons.size()) - 1))]->click();
        }
        QTest::qWait(0);
        return window_.IsBusy() || ended_.count() > searches_;
    }

    MainWindow& window_;
    const std::vector<std::string>& words_;
    std::mt19937 random_;
    QSignalSpy ended_;
    int searches_ = 0;
};

}  // namespace

class WindowSoakTest : public QObject {
    Q_OBJECT

private slots:
    void everyPageStaysUsableThroughRandomSearchesAndStops() {
        const int seconds = qEnvironmentVariableIsSet("SILLABOR_SOAK_SECONDS") ? qEnvironmentVariableIntValue("SILLABOR_SOAK_SECONDS") : 15;
        const unsigned seed = qEnvironmentVariableIsSet("SILLABOR_SOAK_SEED")
                                  ? static_cast<unsigned>(qEnvironmentVariableIntValue("SILLABOR_SOAK_SEED"))
                                  : std::random_device{}();
        qInfo("seed %u (SILLABOR_SOAK_SEED replays it), %d s", seed, seconds);

        const std::vector<std::string> words = SoakWords();
        QVERIFY(words.size() > 1000);
        TempFolder folder;
        WritePreparedDictionary(folder.path(), "Default", words);
        MainWindow window(Root(folder));
        window.show();
        QApplication::setActiveWindow(&window);
        QTRY_VERIFY_WITH_TIMEOUT(!window.IsBusy(), kLoadTimeout);

        Soak soak(window, words, seed);
        QElapsedTimer clock;
        clock.start();
        std::vector<long> resident;
        // The dictionary page would replace the dictionary the soak draws its words from.
        const int pages = window.PageCount() - 1;
        // SILLABOR_SOAK_PAGE=N drives page N alone, to find which page a fault comes from.
        const int only = qEnvironmentVariableIsSet("SILLABOR_SOAK_PAGE") ? qEnvironmentVariableIntValue("SILLABOR_SOAK_PAGE") : -1;
        while (clock.elapsed() < seconds * 1000LL || resident.size() < 3) {
            for (int page = 0; page < pages; ++page) {
                if (only >= 0 && page != only) continue;
                QString fault;
                QVERIFY2(soak.Visit(page, fault), qPrintable(fault));
            }
            resident.push_back(ResidentKilobytes());
        }
        // Allocators keep what they were given: the second round is the baseline.
        const long growth = resident.back() - resident[1];
        qInfo("%zu rounds, %d searches, resident %ld kB after the second round, %ld kB at the end", resident.size(),
              soak.Searches(), resident[1], resident.back());
        QVERIFY(soak.Searches() > static_cast<int>(resident.size()));
        QVERIFY2(growth < 64 * 1024, qPrintable(QString("resident memory grew by %1 kB").arg(growth)));
    }
};

QTEST_MAIN(WindowSoakTest)
#include "window_soak_test.moc"
