#pragma once
// TThreadSortForm, the main window: the pages of Gioco, the output area, the
// buttons, the status bar and the menus, and the cycle of one search on the
// search thread (RunSearch, SearchThread, SearchFinished).

#include <QMainWindow>
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
class TBusyIndicator;
class TDizioPage;
class TGamePage;
class TOutputArea;
class TSaveMenu;
class TUovoPan;

// What the window is made of: the games, and the function that makes one page
// for each (tests put stand-ins here).
struct WindowPages {
    GameList games = RegisterGames;
    std::function<std::vector<TGamePage*>(App&)> makePages;
    WindowPages();
};

class TThreadSortForm : public QMainWindow, private AppHost {
    Q_OBJECT

public:
    // rootFolder holds Dizionari/, Salvataggi/ and the help file. The window
    // starts loading "Default" at once. A game without its page, a page
    // without its game, or a game registered twice throws std::logic_error.
    explicit TThreadSortForm(const QString& rootFolder = ".", QWidget* parent = nullptr,
                             const WindowPages& pages = WindowPages());
    ~TThreadSortForm() override;

    App& app() { return app_; }
    AutosaveSettings& autosave() { return saving_; }
    bool IsBusy() const { return busy_; }
    bool IsFatal() const { return app_.IsFatal(); }
    // The games run by the search thread (RunGame unless a test replaces it).
    void SetGameRunner(GameRunner runner) { session_.SetRunner(std::move(runner)); }
    // Puts `page` (owned by the window from now on) at position `index` of Gioco.
    void ReplacePage(int index, TGamePage* page);
    TGamePage* Page(int index) const { return pages_[static_cast<size_t>(index)]; }
    int PageCount() const { return static_cast<int>(pages_.size()); }

    // The only way a search starts; does nothing while one runs.
    void RunSearch(int game, int option);
    void StartBtnClick();
    void EndBtnClick();
    void AiutoClick();
    void HelpsuSalvataggioClick();

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
    void InstallPage(int index, TGamePage* page);
    TGamePage* CurrentPage() const;
    void PageSearchRequested(int game, int option);
    // Shows the hidden panel with one of its games; nothing while a search runs.
    void OpenHiddenGame(int game);
    void SearchFinished();
    void ClokkaTimer();
    void PicTimeTimer();
    void GiocoChange(int page);
    void UpdateStartButton();
    // Puts the keyboard focus in the shown page's first text field, if it has one.
    void FocusFirstField();
    void ShowFatalState();
    void ChangeFont();
    void SalvaFileExecute();
    void EditAction(const char* slot);
    App app_;
    SearchSession session_;
    AutosaveSettings saving_;

    QTabWidget* Gioco = nullptr;
    std::vector<TGamePage*> pages_;
    TDizioPage* dizioPage_ = nullptr;
    QPushButton* StartBtn = nullptr;
    QPushButton* EndBtn = nullptr;
    QPushButton* Aiuto = nullptr;
    TBusyIndicator* Pic = nullptr;
    TOutputArea* RichE = nullptr;
    TUovoPan* UovoPan = nullptr;
    std::array<QLabel*, 3> panels_{};
    TSaveMenu* saveMenu_ = nullptr;
    QFontDialog* DialogoFont = nullptr;
    QTimer Clokka;
    QTimer PicTime;

    bool busy_ = false;
    SearchThread* searchThread_ = nullptr;
    QString saveFileName_ = "untitled.txt";
};

}  // namespace sillabor::shell
