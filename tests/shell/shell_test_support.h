#pragma once
// Helpers shared by the window's tests: a gate a stand-in search waits on, a
// page with one field, a loaded window on one page, and the window's widgets.

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QStringList>
#include <QTabWidget>
#include <QTest>
#include <QVBoxLayout>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "app/app.h"
#include "shell/game_page.h"
#include "shell/main_window.h"
#include "support/fixture_dictionary.h"

namespace sillabor::test {

// Loads and searches in the window tests finish well within this many milliseconds.
constexpr int kLoadTimeout = 20000;

// A temporary working folder as the window takes it.
inline QString Root(const TempFolder& folder) { return QString::fromStdString(folder.path().string()); }

// Holds a stand-in search until opened (or until the search is asked to stop,
// so that a failing test never hangs the window's destructor).
class Gate {
public:
    void Wait(const App& app) {
        std::unique_lock lock(mutex_);
        while (!open_ && !app.state.Stopping()) cv_.wait_for(lock, std::chrono::milliseconds(10));
    }
    // A stand-in search that only waits for the gate.
    GameRunner HoldingRunner() {
        return [this](App& app, int, int) {
            Wait(app);
            return 0;
        };
    }
    void Open() {
        {
            std::lock_guard lock(mutex_);
            open_ = true;
        }
        cv_.notify_all();
    }

private:
    std::mutex mutex_;
    std::condition_variable cv_;
    bool open_ = false;
};

// A page with one field whose "Genera" runs (game, option).
class FieldPage : public shell::GamePage {
public:
    // It stands in for the "Parole" page, with that page's save file.
    FieldPage(App& app, int game, int option)
        : GamePage(app, sillabor::GameInfo{"parole", "Parole", "FieldPage", "Parole.txt"}), game_(game), option_(option) {
        field = new QLineEdit(this);
        box = new QCheckBox("Prova", this);
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(field);
        layout->addWidget(box);
    }
    QString StartCaption() const override { return "Prova"; }
    bool CanStart() const override { return true; }
    bool PrepareSearch(int& game, int& option) override {
        game = game_;
        option = option_;
        return true;
    }
    QList<QWidget*> TextFields() const override { return {field}; }
    QStringList HelpKeys() const override { return {"PAROLE"}; }

    QLineEdit* field;
    QCheckBox* box;

private:
    int game_;
    int option_;
};

// Runs `action` and waits for the search it starts to end; false on a timeout.
template <typename Fn>
bool SearchAndWait(shell::MainWindow& window, Fn action) {
    QSignalSpy ended(&window, &shell::MainWindow::SearchEnded);
    action();
    return ended.count() == 1 || ended.wait(kLoadTimeout);
}

// A window on a folder whose "Default" holds `words`, idle after the load,
// showing its page at `index`.
template <typename Page>
struct PageWindow {
    TempFolder folder;
    std::unique_ptr<shell::MainWindow> window;
    Page* page = nullptr;

    PageWindow(int index, const std::vector<std::string>& words) {
        WritePreparedDictionary(folder.path(), "Default", words);
        window = std::make_unique<shell::MainWindow>(Root(folder));
        QTRY_VERIFY_WITH_TIMEOUT(!window->IsBusy(), kLoadTimeout);
        page = qobject_cast<Page*>(window->Page(index));
        window->template findChild<QTabWidget*>("pageTabs")->setCurrentIndex(index);
    }
    App& app() { return window->app(); }
    template <typename Fn>
    bool Search(Fn action) { return SearchAndWait(*window, action); }
};

inline QPlainTextEdit* OutputOf(shell::MainWindow& window) {
    return window.findChild<QPlainTextEdit*>("outputArea");
}

inline QStringList OutputLines(shell::MainWindow& window) {
    QString text = OutputOf(window)->toPlainText();
    if (text.endsWith('\n')) text.chop(1);
    return text.isEmpty() ? QStringList() : text.split('\n');
}

}  // namespace sillabor::test
