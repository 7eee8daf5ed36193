#include "shell/settings_keeper.h"

#include <QAction>
#include <QEvent>
#include <QTabWidget>

#include "shell/save_menu.h"
#include "shell/main_window.h"

namespace sillabor::shell {

SettingsKeeper::SettingsKeeper(QSettings& settings, MainWindow& window)
    : store_(settings),
      window_(window),
      output_(window.findChild<QWidget*>("outputArea")),
      gioco_(window.findChild<QTabWidget*>("pageTabs")),
      saveMenu_(window.findChild<SaveMenu*>()) {
    Restore();

    output_->installEventFilter(this);
    window_.installEventFilter(this);
    geometrySettles_.setSingleShot(true);
    geometrySettles_.setInterval(500);
    connect(&geometrySettles_, &QTimer::timeout, this, &SettingsKeeper::WriteGeometry);
    // Connected after the menu's own handlers, so the choice is already made.
    for (QAction* action : saveMenu_->findChildren<QAction*>())
        connect(action, &QAction::triggered, this, [this] { store_.SetAutosave(window_.autosave(), window_.PageCount()); });
    connect(gioco_, &QTabWidget::currentChanged, this, [this](int page) { store_.SetLastPage(page); });
}

SettingsKeeper::~SettingsKeeper() {
    if (geometrySettles_.isActive()) WriteGeometry();
}

void SettingsKeeper::Restore() {
    // A damaged file reads as empty: the defaults, and a line that says why.
    if (const QString problem = store_.Problem(); !problem.isEmpty()) {
        if (window_.IsBusy())
            connect(&window_, &MainWindow::SearchEnded, this, [this, problem] { window_.ShowStatusLine(problem); },
                    Qt::SingleShotConnection);
        else
            window_.ShowStatusLine(problem);
    }
    if (const std::optional<QFont> font = store_.OutputFont()) output_->setFont(*font);
    store_.ApplyAutosave(window_.autosave(), window_.PageCount());
    saveMenu_->SetSaveMenu(gioco_->currentIndex());
    const QByteArray geometry = store_.Geometry();
    if (!geometry.isEmpty()) window_.restoreGeometry(geometry);
    // The pages wait for the start-up load: switching page while it runs would
    // let a page read the dictionary being built.
    if (window_.IsBusy())
        connect(&window_, &MainWindow::SearchEnded, this, &SettingsKeeper::RestorePage, Qt::SingleShotConnection);
    else
        RestorePage();
}

void SettingsKeeper::RestorePage() {
    const std::optional<int> page = store_.LastPage(window_.PageCount());
    if (page && !window_.IsFatal()) gioco_->setCurrentIndex(*page);
}

void SettingsKeeper::WriteGeometry() {
    geometrySettles_.stop();
    store_.SetGeometry(window_.saveGeometry());
}

bool SettingsKeeper::eventFilter(QObject* watched, QEvent* event) {
    if (watched == output_ && event->type() == QEvent::FontChange) {
        store_.SetOutputFont(output_->font());
    } else if (watched == &window_) {
        switch (event->type()) {
            case QEvent::Move:
            case QEvent::Resize:
                geometrySettles_.start();
                break;
            case QEvent::Close:
                WriteGeometry();
                break;
            default:
                break;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace sillabor::shell
