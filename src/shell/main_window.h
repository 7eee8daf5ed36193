#pragma once
// The main window: the pages in their tabs, the output area, the
// buttons, the status bar and the menus, and the cycle of one search on the
// search thread (RunSearch, SearchThread, SearchFinished).

#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "app/app.h"
#include "app/search_session.h"
#include "base/autosave.h"

class QFontDialog;
class QLabel;
class QPushButton;
class QTabWidget;

namespace sillabor::shell {

class SearchThread;
class BusyIndicator;
class DizioPage;
class GamePage;
class OutputArea;
class SaveMenu;
class StatusPanel;
class HiddenPanel;

// What the window is made of: the games, and the function that makes one page
// for each (tests put stand-ins here).
struct WindowPages {
    GameList games = RegisterGames;
    std::function<std::vector<GamePage*>(App&)> makePages;
    WindowPages();
};

class MainWindow : public QMainWindow, private AppHost {
    Q_OBJECT

public:
    // rootFolder holds Dizionari/, Salvataggi/ and the help file. The window
    // starts loading "Default" at once. A game without its page, a page
    // without its game, or a game registered twice throws std::logic_error.
    explicit MainWindow(const QString& rootFolder = ".", QWidget* parent = nullptr,
                             const WindowPages& pages = WindowPages());
    ~MainWindow() override;

    App& app() { return app_; }
    AutosaveSettings& autosave() { return saving_; }
    bool IsBusy() const { return busy_; }
    // Whether the indexes of the loaded dictionary are being built in the background.
    bool PreparingIndexes() const { return session_.PreparingIndexes(); }
    bool IsFatal() const { return app_.IsFatal(); }
    // The games run by the search thread (RunGame unless a test replaces it).
    void SetGameRunner(GameRunner runner) { session_.SetRunner(std::move(runner)); }
    // Puts `page` (owned by the window from now on) at tab `index`.
    void ReplacePage(int index, GamePage* page);
    GamePage* Page(int index) const { return pages_[static_cast<size_t>(index)]; }
    int PageCount() const { return static_cast<int>(pages_.size()); }

    // The only way a search starts; does nothing while one runs.
    void RunSearch(int game, int option);
    void PressStart();
    void PressStop();
    void PressHelp();
    void ShowSavingHelp();
    // A line of the window's own in the first status panel.
    void ShowStatusLine(const QString& text) { ShowInPanel(0, text); }

signals:
    // SearchFinished has run: the window is idle (or fatal) again.
    void SearchEnded();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // AppHost, called from either thread.
    void ShowDictionaryState(const std::string& text) override;
    void FatalStopped() override;

    template <typename Fn>
    void OnWindowThread(Fn&& fn);

    void BuildWidgets(const WindowPages& pages);
    void RunSearch(SearchJob job, bool clearOutput);
    void BuildMenus();
    void StartUp();
    void TestSavesFolder();
    void InstallPage(int index, GamePage* page);
    GamePage* CurrentPage() const;
    void PageSearchRequested(int game, int option);
    // Shows the hidden panel with one of its games; nothing while a search runs.
    void OpenHiddenGame(int game);
    void SearchFinished();
    void ShowSearchStatus();
    void Tick();
    void PageChanged(int page);
    void UpdateStartButton();
    // Puts the keyboard focus in the shown page's first text field, if it has one.
    void FocusFirstField();
    void ShowFatalState();
    // Shows `text` in status panel `panel`; the whole text is also its tooltip,
    // for a panel too narrow to show it all.
    void ShowInPanel(int panel, const QString& text);
    // Opens `folder` in the desktop's file manager, or says in the status bar that it cannot.
    void OpenFolderOrSay(const std::filesystem::path& folder);
    void ChangeFont();
    void SaveOutputToFile();
    void EditAction(const char* slot);
    App app_;
    SearchSession session_;
    AutosaveSettings saving_;

    QTabWidget* pageTabs = nullptr;
    std::vector<GamePage*> pages_;
    DizioPage* dizioPage_ = nullptr;
    QPushButton* startButton = nullptr;
    QPushButton* stopButton = nullptr;
    QPushButton* helpButton = nullptr;
    BusyIndicator* busyIndicator = nullptr;
    OutputArea* outputArea = nullptr;
    HiddenPanel* hiddenPanel = nullptr;
    std::array<StatusPanel*, 3> panels_{};
    SaveMenu* saveMenu_ = nullptr;
    QFontDialog* fontDialog = nullptr;
    QTimer statusTimer;
    QTimer tickTimer;

    bool busy_ = false;
    SearchThread* searchThread_ = nullptr;
    QString saveFileName_ = "Salvataggi/risultati.txt";
    // The control that had the keyboard focus when the running search started.
    QPointer<QWidget> focusBeforeSearch_;
};

}  // namespace sillabor::shell
