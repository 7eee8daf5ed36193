#include "shell/thread_sort_form.h"
#include "shell/widget_helpers.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMetaObject>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <QThread>
#include <QVBoxLayout>
#include <cstdio>
#include <stdexcept>

#include "base/help_file.h"
#include "dizio/dizio_game.h"
#include "shell/busy_indicator.h"
#include "shell/desktop_folder.h"
#include "shell/dizio_page.h"
#include "shell/hidden_panel.h"
#include "shell/output_area.h"
#include "shell/page_list.h"
#include "shell/save_file.h"
#include "shell/save_menu.h"
#include "shell/search_thread.h"
#include "shell/text_conversion.h"

namespace sillabor::shell {

namespace {

constexpr int kGiocoHeight = 209;
constexpr const char* kCreditLine = "Sillabor 2.0 - dicembre 2026";

std::filesystem::path PathOf(const QString& folder) { return std::filesystem::path(QFile::encodeName(folder).toStdString()); }

}  // namespace

WindowPages::WindowPages() : makePages(MakePages) {}

TThreadSortForm::TThreadSortForm(const QString& rootFolder, QWidget* parent, const WindowPages& pages)
    : QMainWindow(parent), app_(PathOf(rootFolder), pages.games), session_(app_) {
    setObjectName("ThreadSortForm");
    setWindowTitle("Sillabor 2.0");
    BuildWidgets(pages);
    BuildMenus();

    resize(626, 493);
    setMinimumSize(620, 400);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(0, 0), size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }

    Clokka.setObjectName("Clokka");
    Clokka.setInterval(320);
    connect(&Clokka, &QTimer::timeout, this, [this] {
        if (busy_) ClokkaTimer();
    });
    PicTime.setObjectName("PicTime");
    PicTime.setInterval(150);
    connect(&PicTime, &QTimer::timeout, this, &TThreadSortForm::PicTimeTimer);

    StartUp();
    Clokka.start();
    PicTime.start();
}

TThreadSortForm::~TThreadSortForm() {
    // The search cannot outlive the application it runs on: ask it to stop and
    // let it end (a load or a build always runs to its end).
    if (searchThread_ != nullptr) {
        app_.state.StopRequested = true;
        searchThread_->wait();
    }
    app_.host = nullptr;
    app_.out.SetSink(nullptr);
    app_.out.EndAutosave();
}

void TThreadSortForm::BuildWidgets(const WindowPages& list) {
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(4, 4, 4, 0);
    auto* top = new QHBoxLayout;
    column->addLayout(top);

    auto* side = new QVBoxLayout;
    Pic = new TBusyIndicator(central);
    KeepRoomWhenHidden(Pic);
    Pic->hide();
    side->addWidget(Pic, 0, Qt::AlignHCenter);
    StartBtn = Named<QPushButton>("StartBtn", "Genera", central);
    EndBtn = Named<QPushButton>("EndBtn", "Stop !", central);
    EndBtn->setToolTip("Interrope la ricerca corrente");
    Aiuto = Named<QPushButton>("Aiuto", "?", central);
    for (QPushButton* button : {StartBtn, EndBtn, Aiuto}) {
        button->setFixedWidth(76);
        // "?" keeps its place when the page hides the other two.
        KeepRoomWhenHidden(button);
        side->addWidget(button, 0, Qt::AlignHCenter);
    }
    side->addStretch(1);
    top->addLayout(side);

    Gioco = Named<QTabWidget>("Gioco", central);
    Gioco->setFixedHeight(kGiocoHeight);
    top->addWidget(Gioco, 1);

    const std::vector<TGamePage*> pages = list.makePages(app_);
    std::vector<std::string> names;
    for (TGamePage* page : pages) names.emplace_back(page->PageGame() != nullptr ? page->PageGame()->Info().name : "?");
    const std::string problem = CheckPageList(app_.games, names, "sillabor");
    if (!problem.empty()) {
        for (TGamePage* page : pages) delete page;
        throw std::logic_error(problem);
    }
    pages_.resize(pages.size(), nullptr);
    for (size_t i = 0; i < pages.size(); ++i) InstallPage(static_cast<int>(i), pages[i]);

    RichE = new TOutputArea(central);
    column->addWidget(RichE, 1);
    setCentralWidget(central);
    UovoPan = new TUovoPan(app_, central);
    connect(UovoPan, &TUovoPan::Closed, this, [this] { PicTime.setInterval(busy_ ? 200 : 150); });

    QStatusBar* bar = statusBar();
    bar->setObjectName("StatusBar1");
    const int widths[3] = {200, 250, 100};
    const Qt::Alignment aligns[3] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
    for (int i = 0; i < 3; ++i) {
        panels_[i] = new QLabel(bar);
        panels_[i]->setObjectName(QString("Panel%1").arg(i));
        panels_[i]->setFixedWidth(widths[i]);
        panels_[i]->setAlignment(aligns[i] | Qt::AlignVCenter);
        panels_[i]->setFrameShape(QFrame::Panel);
        panels_[i]->setFrameShadow(QFrame::Sunken);
        bar->addWidget(panels_[i]);
    }
    panels_[2]->setText("v. 2.0 ");

    connect(StartBtn, &QPushButton::clicked, this, &TThreadSortForm::StartBtnClick);
    connect(EndBtn, &QPushButton::clicked, this, &TThreadSortForm::EndBtnClick);
    connect(Aiuto, &QPushButton::clicked, this, &TThreadSortForm::AiutoClick);
    connect(Gioco, &QTabWidget::currentChanged, this, &TThreadSortForm::GiocoChange);
}

void TThreadSortForm::BuildMenus() {
    QMenu* file = menuBar()->addMenu("File");
    QAction* salva = file->addAction("&Salva");
    salva->setObjectName("SalvaFile");
    salva->setToolTip("Salva in un file");
    salva->setStatusTip("Salva in un file");
    QAction* esci = file->addAction("&Esci");
    esci->setObjectName("FileEsci");
    connect(salva, &QAction::triggered, this, &TThreadSortForm::SalvaFileExecute);
    connect(esci, &QAction::triggered, this, &QWidget::close);

    QMenu* edit = menuBar()->addMenu("Edit");
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

    saveMenu_ = new TSaveMenu(saving_, this);
    menuBar()->addMenu(saveMenu_);
    connect(saveMenu_->MostraSalv, &QAction::triggered, this, [this] { OpenFolder(app_.SavesDir()); });
    connect(saveMenu_->HelpsuSalvataggio, &QAction::triggered, this, &TThreadSortForm::HelpsuSalvataggioClick);

    QMenu* options = menuBar()->addMenu("Opzioni");
    QAction* font = options->addAction("Cambia Carattere");
    font->setObjectName("ChangeFont");
    connect(font, &QAction::triggered, this, &TThreadSortForm::ChangeFont);
}

void TThreadSortForm::InstallPage(int index, TGamePage* page) {
    pages_[static_cast<size_t>(index)] = page;
    if (auto* dizio = qobject_cast<TDizioPage*>(page)) dizioPage_ = dizio;
    saving_.AddPage(index, page->Info().saveFileName);
    Gioco->insertTab(index, page, page->Info().tabCaption);
    connect(page, &TGamePage::SearchRequested, this, &TThreadSortForm::PageSearchRequested);
    connect(page, &TGamePage::CanStartChanged, this, &TThreadSortForm::UpdateStartButton);
    connect(page, &TGamePage::OutputWrapChanged, this, [this, page] {
        if (Gioco->currentWidget() == page)
            RichE->setLineWrapMode(page->WrapsOutput() ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    });
    connect(page, &TGamePage::ShowStatus, this, [this](const QString& text) { panels_[0]->setText(text); });
    connect(page, &TGamePage::HiddenGameRequested, this, &TThreadSortForm::OpenHiddenGame);
    for (QWidget* field : page->TextFields()) field->installEventFilter(this);
}

void TThreadSortForm::ReplacePage(int index, TGamePage* page) {
    const int current = Gioco->currentIndex();
    {
        const QSignalBlocker blocker(Gioco);
        TGamePage* old = pages_[static_cast<size_t>(index)];
        Gioco->removeTab(index);
        if (old == dizioPage_) dizioPage_ = nullptr;
        delete old;
        InstallPage(index, page);
        Gioco->setCurrentIndex(current);
    }
    if (current == index && !busy_) GiocoChange(index);
}

void TThreadSortForm::StartUp() {
    StartBtn->setEnabled(false);
    EndBtn->setEnabled(false);
    app_.out.SetSink(RichE);
    app_.host = this;
    Gioco->setCurrentIndex(0);
    GiocoChange(0);

    GameContext ctx = app_.Context();
    const bool scanned = app_.Get<DizioGame>().Scan(ctx) == 0;
    if (dizioPage_ != nullptr) dizioPage_->ShowDictionaryList();
    // Lines printed before the first load stay in the output area.
    if (scanned) RunSearch({app_.Get<DizioGame>().Id(), kDictionaryLoad, {}}, false);
    TestSavesFolder();
    saveMenu_->SetSaveMenu(Gioco->currentIndex());
}

void TThreadSortForm::TestSavesFolder() {
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
void TThreadSortForm::OnWindowThread(Fn&& fn) {
    if (QThread::currentThread() == thread())
        fn();
    else
        QMetaObject::invokeMethod(this, std::forward<Fn>(fn), Qt::QueuedConnection);
}

void TThreadSortForm::ShowDictionaryState(const std::string& text) {
    OnWindowThread([this, state = ToQString(text)] { panels_[1]->setText(state); });
}

void TThreadSortForm::FatalStopped() {
    OnWindowThread([this] { ShowFatalState(); });
}

void TThreadSortForm::ShowFatalState() {
    if (searchThread_ == nullptr) busy_ = false;
    Gioco->setEnabled(false);
    Gioco->hide();
    StartBtn->setEnabled(false);
    EndBtn->setEnabled(false);
}

void TThreadSortForm::RunSearch(int game, int option) { RunSearch({game, option, {}}, true); }

void TThreadSortForm::RunSearch(SearchJob job, bool clearOutput) {
    if (searchThread_ != nullptr) return;  // one search at a time
    StartBtn->setEnabled(false);
    busy_ = true;
    // The page cannot change, nor its controls start anything, while the search runs.
    Gioco->setEnabled(false);
    const int page = Gioco->currentIndex();
    SearchStart start;
    start.clearOutput = clearOutput;
    const uint8_t mode = saving_.Mode(page);
    if (mode == kSaveWrite || mode == kSaveAppend) {
        start.saveFile = app_.SavesDir() / saving_.FileName(page);
        start.appendToSave = mode == kSaveAppend;
    }
    session_.Begin(std::move(job), start);

    searchThread_ = new SearchThread(session_, this);
    connect(searchThread_, &QThread::finished, this, &TThreadSortForm::SearchFinished, Qt::QueuedConnection);
    searchThread_->start();
}

void TThreadSortForm::StartBtnClick() {
    if (busy_ || app_.IsFatal()) return;
    int game = 0;
    int option = 0;
    if (CurrentPage()->PrepareSearch(game, option)) RunSearch(CurrentPage()->JobFor(game, option), true);
    app_.out.RefreshOutput();
}

void TThreadSortForm::EndBtnClick() { session_.Stop(); }

void TThreadSortForm::PageSearchRequested(int game, int option) {
    if (busy_ || app_.IsFatal()) return;
    auto* page = qobject_cast<TGamePage*>(sender());
    RunSearch(page != nullptr ? page->JobFor(game, option) : SearchJob{game, option, {}}, true);
}

void TThreadSortForm::OpenHiddenGame(int game) {
    if (busy_ || app_.IsFatal() || UovoPan->IsActive()) return;
    if (game == TGamePage::kHiddenBoard)
        UovoPan->StartBoardGame();
    else if (!UovoPan->StartWordGame())
        return;
    PicTime.setInterval(UovoPan->TickInterval());
}

void TThreadSortForm::SearchFinished() {
    if (searchThread_ == nullptr) return;
    searchThread_->wait();
    searchThread_->deleteLater();
    searchThread_ = nullptr;

    CurrentPage()->SearchEnded();
    const SearchEnd end = session_.Finish();
    panels_[0]->setText(ToQString(end.statusText));
    busy_ = false;
    Gioco->setEnabled(true);
    if (app_.IsFatal()) {
        Gioco->setEnabled(false);
        Gioco->hide();
        StartBtn->hide();
        EndBtn->hide();
        Aiuto->hide();
    } else {
        EndBtn->setEnabled(true);
        UpdateStartButton();
        // Disabling the pages took the keyboard focus away: give it back to the page.
        if (QApplication::focusWidget() == nullptr) FocusFirstField();
    }
    emit SearchEnded();
}

void TThreadSortForm::FocusFirstField() {
    const QList<QWidget*> fields = CurrentPage()->TextFields();
    if (!fields.isEmpty()) fields.front()->setFocus();
}

TGamePage* TThreadSortForm::CurrentPage() const { return pages_[static_cast<size_t>(Gioco->currentIndex())]; }

void TThreadSortForm::ClokkaTimer() { panels_[0]->setText(ToQString(session_.StatusText())); }

void TThreadSortForm::PicTimeTimer() {
    if (UovoPan->IsActive()) {
        // A hidden game has the timer to itself.
        PicTime.setInterval(UovoPan->TickInterval());
        UovoPan->Tick();
        return;
    }
    PicTime.setInterval(busy_ ? 200 : 150);
    if (!busy_) {
        Pic->hide();
        CurrentPage()->IdleTick();
        return;
    }
    Pic->show();
    RichE->MovePending();
    Pic->Advance();
}

void TThreadSortForm::GiocoChange(int index) {
    if (index < 0 || index >= PageCount()) return;
    saveMenu_->SetSaveMenu(index);
    TGamePage* page = pages_[static_cast<size_t>(index)];
    page->PageShown();
    RichE->setLineWrapMode(page->WrapsOutput() ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    switch (page->StartButtonMode()) {
        case TGamePage::StartButton::Hidden:
            StartBtn->hide();
            EndBtn->hide();
            break;
        case TGamePage::StartButton::Shown:
            EndBtn->show();
            StartBtn->setText(page->StartCaption());
            StartBtn->show();
            break;
        case TGamePage::StartButton::Unchanged:
            EndBtn->show();
            break;
    }
    UpdateStartButton();
    FocusFirstField();
}

void TThreadSortForm::UpdateStartButton() {
    StartBtn->setEnabled(!busy_ && !app_.IsFatal() && CurrentPage()->CanStart());
}

bool TThreadSortForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            // EditPress: Enter in a page field acts as "Genera".
            if (!busy_ && !StartBtn->isHidden() && StartBtn->isEnabled()) StartBtnClick();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TThreadSortForm::closeEvent(QCloseEvent* event) {
    app_.state.StopRequested = true;
    event->accept();
}

void TThreadSortForm::AiutoClick() {
    if (busy_) return;
    app_.out.ClearOutput();
    for (const QString& key : CurrentPage()->HelpKeys()) PrintHelpSection(app_.out, app_.HelpFile(), key.toStdString());
    app_.out.PrintSeparator();
    app_.out.PrintLine(kCreditLine);
    app_.out.RefreshOutput();
}

void TThreadSortForm::HelpsuSalvataggioClick() {
    if (busy_) return;
    app_.out.ClearOutput();
    PrintHelpSection(app_.out, app_.HelpFile(), "SALVATAGGI");
    app_.out.RefreshOutput();
}

void TThreadSortForm::ChangeFont() {
    if (DialogoFont == nullptr) {
        DialogoFont = new QFontDialog(RichE->font(), this);
        DialogoFont->setObjectName("DialogoFont");
        connect(DialogoFont, &QFontDialog::currentFontChanged, RichE, &QWidget::setFont);
        connect(DialogoFont, &QFontDialog::fontSelected, RichE, &QWidget::setFont);
    }
    const QFont before = RichE->font();
    DialogoFont->setCurrentFont(before);
    disconnect(DialogoFont, &QDialog::rejected, nullptr, nullptr);
    connect(DialogoFont, &QDialog::rejected, RichE, [this, before] { RichE->setFont(before); });
    DialogoFont->open();
}

void TThreadSortForm::SalvaFileExecute() {
    if (busy_) return;
    if (auto saved = AskAndSaveText(this, RichE->toPlainText(), app_.root, saveFileName_)) saveFileName_ = *saved;
}

void TThreadSortForm::EditAction(const char* slot) {
    QWidget* focused = QApplication::focusWidget();
    if (focused == nullptr) return;
    const QByteArray signature(slot);
    if (focused->metaObject()->indexOfMethod(signature.constData()) < 0) return;
    QMetaObject::invokeMethod(focused, signature.left(signature.indexOf('(')).constData());
}

}  // namespace sillabor::shell
