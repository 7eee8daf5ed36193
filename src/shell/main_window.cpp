#include "shell/main_window.h"
#include "shell/widget_helpers.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMetaObject>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QTabWidget>
#include <QThread>
#include <QVBoxLayout>
#include <cstdio>
#include <stdexcept>

#include "base/help_file.h"
#include "dizio/dizio_game.h"
#include "shell/accessible_names.h"
#include "shell/busy_indicator.h"
#include "shell/desktop_folder.h"
#include "shell/dizio_page.h"
#include "shell/hidden_panel.h"
#include "shell/output_area.h"
#include "shell/page_list.h"
#include "shell/save_file.h"
#include "shell/save_menu.h"
#include "shell/search_thread.h"
#include "shell/status_panel.h"
#include "shell/text_conversion.h"

namespace sillabor::shell {

namespace {

constexpr int kGiocoHeight = 209;
constexpr const char* kCreditLine = "Sillabor " SILLABOR_VERSION " - dicembre 2026";

std::filesystem::path PathOf(const QString& folder) { return std::filesystem::path(QFile::encodeName(folder).toStdString()); }

}  // namespace

WindowPages::WindowPages() : makePages(MakePages) {}

MainWindow::MainWindow(const QString& rootFolder, QWidget* parent, const WindowPages& pages)
    : QMainWindow(parent), app_(PathOf(rootFolder), pages.games), session_(app_) {
    setObjectName("mainWindow");
    setWindowTitle("Sillabor " SILLABOR_VERSION);
    BuildWidgets(pages);
    BuildMenus();

    resize(626, 493);
    setMinimumSize(620, 400);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(0, 0), size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }

    statusTimer.setObjectName("statusTimer");
    statusTimer.setInterval(320);
    connect(&statusTimer, &QTimer::timeout, this, [this] {
        if (busy_) ShowSearchStatus();
    });
    tickTimer.setObjectName("tickTimer");
    tickTimer.setInterval(150);
    connect(&tickTimer, &QTimer::timeout, this, &MainWindow::Tick);

    StartUp();
    statusTimer.start();
    tickTimer.start();
}

MainWindow::~MainWindow() {
    // The search cannot outlive the application it runs on: ask it to stop and
    // let it end (a load or a build always runs to its end). The session then
    // lets the index being built end, and builds no other.
    if (searchThread_ != nullptr) {
        app_.state.StopRequested = true;
        searchThread_->wait();
    }
    app_.host = nullptr;
    app_.out.SetSink(nullptr);
    app_.out.EndAutosave();
}

void MainWindow::BuildWidgets(const WindowPages& list) {
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(4, 4, 4, 0);
    auto* top = new QHBoxLayout;
    column->addLayout(top);

    auto* side = new QVBoxLayout;
    busyIndicator = new BusyIndicator(central);
    KeepRoomWhenHidden(busyIndicator);
    busyIndicator->hide();
    side->addWidget(busyIndicator, 0, Qt::AlignHCenter);
    startButton = Named<QPushButton>("startButton", "Genera", central);
    stopButton = Named<QPushButton>("stopButton", "Stop !", central);
    stopButton->setToolTip("Interrope la ricerca corrente");
    helpButton = Named<QPushButton>("helpButton", "?", central);
    for (QPushButton* button : {startButton, stopButton, helpButton}) {
        button->setFixedWidth(76);
        // "?" keeps its place when the page hides the other two.
        KeepRoomWhenHidden(button);
        side->addWidget(button, 0, Qt::AlignHCenter);
    }
    side->addStretch(1);
    top->addLayout(side);

    pageTabs = Named<QTabWidget>("pageTabs", central);
    pageTabs->setFixedHeight(kGiocoHeight);
    top->addWidget(pageTabs, 1);

    const std::vector<GamePage*> pages = list.makePages(app_);
    std::vector<std::string> names;
    for (GamePage* page : pages) names.emplace_back(page->PageGame() != nullptr ? page->PageGame()->Info().name : "?");
    const std::string problem = CheckPageList(app_.games, names, "sillabor");
    if (!problem.empty()) {
        for (GamePage* page : pages) delete page;
        throw std::logic_error(problem);
    }
    pages_.resize(pages.size(), nullptr);
    for (size_t i = 0; i < pages.size(); ++i) InstallPage(static_cast<int>(i), pages[i]);

    outputArea = new OutputArea(central);
    outputArea->setAccessibleName("Risultati");
    column->addWidget(outputArea, 1);
    setCentralWidget(central);
    hiddenPanel = new HiddenPanel(app_, central);
    connect(hiddenPanel, &HiddenPanel::Closed, this, [this] { tickTimer.setInterval(busy_ ? 200 : 150); });

    QStatusBar* bar = statusBar();
    bar->setObjectName("statusBar");
    const int widths[3] = {200, 250, 100};
    const Qt::Alignment aligns[3] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
    for (int i = 0; i < 3; ++i) {
        panels_[i] = new StatusPanel(widths[i], aligns[i], bar);
        panels_[i]->setObjectName(QString("statusPanel%1").arg(i));
        bar->addWidget(panels_[i]);
    }
    ShowInPanel(2, "v. " SILLABOR_VERSION " ");

    connect(startButton, &QPushButton::clicked, this, &MainWindow::PressStart);
    connect(stopButton, &QPushButton::clicked, this, &MainWindow::PressStop);
    connect(helpButton, &QPushButton::clicked, this, &MainWindow::PressHelp);
    // Esc stops a running search, F1 prints the page's help, wherever the focus is.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, [this] {
        if (busy_ && stopButton->isVisible() && stopButton->isEnabled()) stopButton->click();
    });
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, [this] {
        if (!busy_ && helpButton->isVisible() && helpButton->isEnabled()) helpButton->click();
    });
    connect(pageTabs, &QTabWidget::currentChanged, this, &MainWindow::PageChanged);
}

void MainWindow::BuildMenus() {
    QMenu* file = menuBar()->addMenu("&File");
    QAction* salva = file->addAction("&Salva");
    salva->setObjectName("saveToFile");
    salva->setToolTip("Salva in un file");
    salva->setStatusTip("Salva in un file");
    QAction* esci = file->addAction("&Esci");
    esci->setObjectName("quit");
    connect(salva, &QAction::triggered, this, &MainWindow::SaveOutputToFile);
    connect(esci, &QAction::triggered, this, &QWidget::close);

    QMenu* edit = menuBar()->addMenu("&Edit");
    struct EditItem {
        const char* text;
        QKeySequence::StandardKey key;
        const char* slot;
    };
    for (const EditItem& item : {EditItem{"&Copy", QKeySequence::Copy, "copy()"}, EditItem{"Cu&t", QKeySequence::Cut, "cut()"},
                                 EditItem{"&Paste", QKeySequence::Paste, "paste()"}}) {
        QAction* action = edit->addAction(item.text);
        action->setShortcut(item.key);
        const char* slot = item.slot;
        connect(action, &QAction::triggered, this, [this, slot] { EditAction(slot); });
    }

    saveMenu_ = new SaveMenu(saving_, this);
    menuBar()->addMenu(saveMenu_);
    connect(saveMenu_->openSavesFolder, &QAction::triggered, this, [this] { OpenFolderOrSay(app_.SavesDir()); });
    connect(saveMenu_->savingHelp, &QAction::triggered, this, &MainWindow::ShowSavingHelp);

    QMenu* options = menuBar()->addMenu("&Opzioni");
    QAction* font = options->addAction("Cambia Carattere");
    font->setObjectName("changeFont");
    connect(font, &QAction::triggered, this, &MainWindow::ChangeFont);
}

void MainWindow::InstallPage(int index, GamePage* page) {
    pages_[static_cast<size_t>(index)] = page;
    if (auto* dizio = qobject_cast<DizioPage*>(page)) dizioPage_ = dizio;
    saving_.AddPage(index, page->Info().saveFileName);
    pageTabs->insertTab(index, page, page->Info().tabCaption);
    NameControlsForScreenReaders(page);
    connect(page, &GamePage::SearchRequested, this, &MainWindow::PageSearchRequested);
    connect(page, &GamePage::CanStartChanged, this, &MainWindow::UpdateStartButton);
    connect(page, &GamePage::OutputWrapChanged, this, [this, page] {
        if (pageTabs->currentWidget() == page)
            outputArea->setLineWrapMode(page->WrapsOutput() ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    });
    connect(page, &GamePage::ShowStatus, this, [this](const QString& text) { ShowInPanel(0, text); });
    connect(page, &GamePage::HiddenGameRequested, this, &MainWindow::OpenHiddenGame);
    for (QWidget* field : page->TextFields()) field->installEventFilter(this);
}

void MainWindow::ReplacePage(int index, GamePage* page) {
    const int current = pageTabs->currentIndex();
    {
        const QSignalBlocker blocker(pageTabs);
        GamePage* old = pages_[static_cast<size_t>(index)];
        pageTabs->removeTab(index);
        if (old == dizioPage_) dizioPage_ = nullptr;
        delete old;
        InstallPage(index, page);
        pageTabs->setCurrentIndex(current);
    }
    if (current == index && !busy_) PageChanged(index);
}

void MainWindow::StartUp() {
    startButton->setEnabled(false);
    stopButton->setEnabled(false);
    app_.out.SetSink(outputArea);
    app_.host = this;
    pageTabs->setCurrentIndex(0);
    PageChanged(0);

    GameContext ctx = app_.Context();
    const bool scanned = app_.Get<DizioGame>().Scan(ctx) == 0;
    if (dizioPage_ != nullptr) dizioPage_->ShowDictionaryList();
    // Lines printed before the first load stay in the output area.
    if (scanned) RunSearch({app_.Get<DizioGame>().Id(), kDictionaryLoad, {}}, false);
    TestSavesFolder();
    saveMenu_->SetSaveMenu(pageTabs->currentIndex());
}

void MainWindow::TestSavesFolder() {
    std::error_code ec;
    std::filesystem::create_directories(app_.SavesDir(), ec);
    const std::filesystem::path probe = app_.SavesDir() / "ttt__ttt";
    if (std::FILE* file = std::fopen(probe.c_str(), "w")) {
        std::fclose(file);
        std::filesystem::remove(probe, ec);
        return;
    }
    app_.out.PrintLine("Non posso usare/creare directory Salvataggi");
    app_.out.PrintLine("disabilitato il salvataggio automatico");
    app_.out.RefreshOutput();
    saving_.DisableAll();
}

template <typename Fn>
void MainWindow::OnWindowThread(Fn&& fn) {
    if (QThread::currentThread() == thread())
        fn();
    else
        QMetaObject::invokeMethod(this, std::forward<Fn>(fn), Qt::QueuedConnection);
}

void MainWindow::ShowDictionaryState(const std::string& text) {
    OnWindowThread([this, state = ToQString(text)] { ShowInPanel(1, state); });
}

void MainWindow::FatalStopped() {
    OnWindowThread([this] { ShowFatalState(); });
}

void MainWindow::ShowFatalState() {
    if (searchThread_ == nullptr) busy_ = false;
    pageTabs->setEnabled(false);
    pageTabs->hide();
    startButton->setEnabled(false);
    stopButton->setEnabled(false);
}

void MainWindow::RunSearch(int game, int option) { RunSearch({game, option, {}}, true); }

void MainWindow::RunSearch(SearchJob job, bool clearOutput) {
    if (searchThread_ != nullptr) return;  // one search at a time
    // Before the page is disabled, which moves the focus away.
    focusBeforeSearch_ = QApplication::focusWidget();
    startButton->setEnabled(false);
    busy_ = true;
    // The page cannot change, nor its controls start anything, while the search runs.
    pageTabs->setEnabled(false);
    const int page = pageTabs->currentIndex();
    SearchStart start;
    start.clearOutput = clearOutput;
    const uint8_t mode = saving_.Mode(page);
    if (mode == kSaveWrite || mode == kSaveAppend) {
        start.saveFile = app_.SavesDir() / saving_.FileName(page);
        start.appendToSave = mode == kSaveAppend;
    }
    session_.Begin(std::move(job), start);

    searchThread_ = new SearchThread(session_, this);
    connect(searchThread_, &QThread::finished, this, &MainWindow::SearchFinished, Qt::QueuedConnection);
    searchThread_->start();
}

void MainWindow::PressStart() {
    if (busy_ || app_.IsFatal()) return;
    int game = 0;
    int option = 0;
    if (CurrentPage()->PrepareSearch(game, option)) RunSearch(CurrentPage()->JobFor(game, option), true);
    app_.out.RefreshOutput();
}

void MainWindow::PressStop() { session_.Stop(); }

void MainWindow::PageSearchRequested(int game, int option) {
    if (busy_ || app_.IsFatal()) return;
    auto* page = qobject_cast<GamePage*>(sender());
    RunSearch(page != nullptr ? page->JobFor(game, option) : SearchJob{game, option, {}}, true);
}

void MainWindow::OpenHiddenGame(int game) {
    if (busy_ || app_.IsFatal() || hiddenPanel->IsActive()) return;
    if (game == GamePage::kHiddenBoard)
        hiddenPanel->StartBoardGame();
    else if (!hiddenPanel->StartWordGame())
        return;
    tickTimer.setInterval(hiddenPanel->TickInterval());
}

void MainWindow::SearchFinished() {
    if (searchThread_ == nullptr) return;
    searchThread_->wait();
    searchThread_->deleteLater();
    searchThread_ = nullptr;

    CurrentPage()->SearchEnded();
    const SearchEnd end = session_.Finish();
    ShowInPanel(0, ToQString(end.statusText));
    // After a load the first search of each kind finds its indexes built; after
    // any other search this carries on with what the search interrupted.
    if (!app_.IsFatal()) session_.PrepareIndexes();
    busy_ = false;
    pageTabs->setEnabled(true);
    if (app_.IsFatal()) {
        pageTabs->setEnabled(false);
        pageTabs->hide();
        startButton->hide();
        stopButton->hide();
        helpButton->hide();
    } else {
        stopButton->setEnabled(true);
        UpdateStartButton();
        // Disabling the pages took the keyboard focus away: give it back where it was.
        if (focusBeforeSearch_ != nullptr && focusBeforeSearch_->isVisible() && focusBeforeSearch_->isEnabled())
            focusBeforeSearch_->setFocus();
        else if (QApplication::focusWidget() == nullptr)
            FocusFirstField();
    }
    emit SearchEnded();
}

void MainWindow::FocusFirstField() {
    const QList<QWidget*> fields = CurrentPage()->TextFields();
    if (!fields.isEmpty()) fields.front()->setFocus();
}

GamePage* MainWindow::CurrentPage() const { return pages_[static_cast<size_t>(pageTabs->currentIndex())]; }

void MainWindow::ShowSearchStatus() { ShowInPanel(0, ToQString(session_.StatusText())); }

void MainWindow::ShowInPanel(int panel, const QString& text) {
    panels_[static_cast<size_t>(panel)]->Show(text);
}

void MainWindow::OpenFolderOrSay(const std::filesystem::path& folder) {
    const QString failure = OpenFolderOrSayWhy(folder);
    if (!failure.isEmpty()) ShowInPanel(0, failure);
}

void MainWindow::Tick() {
    if (hiddenPanel->IsActive()) {
        // A hidden game has the timer to itself.
        tickTimer.setInterval(hiddenPanel->TickInterval());
        hiddenPanel->Tick();
        return;
    }
    tickTimer.setInterval(busy_ ? 200 : 150);
    if (!busy_) {
        busyIndicator->hide();
        CurrentPage()->IdleTick();
        return;
    }
    busyIndicator->show();
    outputArea->MovePending();
    busyIndicator->Advance();
}

void MainWindow::PageChanged(int index) {
    if (index < 0 || index >= PageCount()) return;
    saveMenu_->SetSaveMenu(index);
    GamePage* page = pages_[static_cast<size_t>(index)];
    page->PageShown();
    outputArea->setLineWrapMode(page->WrapsOutput() ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    switch (page->StartButtonMode()) {
        case GamePage::StartButton::Hidden:
            startButton->hide();
            stopButton->hide();
            break;
        case GamePage::StartButton::Shown:
            stopButton->show();
            startButton->setText(page->StartCaption());
            startButton->show();
            break;
        case GamePage::StartButton::Unchanged:
            stopButton->show();
            break;
    }
    UpdateStartButton();
    FocusFirstField();
}

void MainWindow::UpdateStartButton() {
    startButton->setEnabled(!busy_ && !app_.IsFatal() && CurrentPage()->CanStart());
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            // Enter in a page field acts as "Genera".
            if (!busy_ && !startButton->isHidden() && startButton->isEnabled()) PressStart();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    app_.state.StopRequested = true;
    event->accept();
}

void MainWindow::PressHelp() {
    if (busy_) return;
    app_.out.ClearOutput();
    for (const QString& key : CurrentPage()->HelpKeys()) PrintHelpSection(app_.out, app_.HelpFile(), key.toStdString());
    app_.out.PrintSeparator();
    app_.out.PrintLine(kCreditLine);
    app_.out.RefreshOutput();
}

void MainWindow::ShowSavingHelp() {
    if (busy_) return;
    app_.out.ClearOutput();
    PrintHelpSection(app_.out, app_.HelpFile(), "SALVATAGGI");
    app_.out.RefreshOutput();
}

void MainWindow::ChangeFont() {
    if (fontDialog == nullptr) {
        fontDialog = new QFontDialog(outputArea->font(), this);
        fontDialog->setObjectName("fontDialog");
        connect(fontDialog, &QFontDialog::currentFontChanged, outputArea, &QWidget::setFont);
        connect(fontDialog, &QFontDialog::fontSelected, outputArea, &QWidget::setFont);
    }
    const QFont before = outputArea->font();
    fontDialog->setCurrentFont(before);
    disconnect(fontDialog, &QDialog::rejected, nullptr, nullptr);
    connect(fontDialog, &QDialog::rejected, outputArea, [this, before] { outputArea->setFont(before); });
    fontDialog->open();
}

void MainWindow::SaveOutputToFile() {
    if (busy_) return;
    if (auto saved = AskAndSaveText(this, outputArea->toPlainText(), app_.root, saveFileName_)) saveFileName_ = *saved;
}

void MainWindow::EditAction(const char* slot) {
    QWidget* focused = QApplication::focusWidget();
    if (focused == nullptr) return;
    const QByteArray signature(slot);
    if (focused->metaObject()->indexOfMethod(signature.constData()) < 0) return;
    QMetaObject::invokeMethod(focused, signature.left(signature.indexOf('(')).constData());
}

}  // namespace sillabor::shell
