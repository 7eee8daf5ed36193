#pragma once
// Keeps the window's lasting choices in the settings: restores them when the
// window starts, writes each one when it changes. The window itself knows
// nothing of it; the program attaches one, the tests attach theirs.

#include <QObject>
#include <QTimer>

#include "shell/settings_store.h"

class QTabWidget;

namespace sillabor::shell {

class SaveMenu;
class MainWindow;

class SettingsKeeper : public QObject {
    Q_OBJECT

public:
    // Attach before the window is shown. The last page comes back once the
    // dictionary that loads at start is ready.
    SettingsKeeper(QSettings& settings, MainWindow& window);
    ~SettingsKeeper() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Restore();
    void RestorePage();
    void WriteGeometry();

    SettingsStore store_;
    MainWindow& window_;
    QWidget* output_;
    QTabWidget* gioco_;
    SaveMenu* saveMenu_;
    // Moving or resizing sends a burst of events: the geometry is written once it settles.
    QTimer geometrySettles_;
};

}  // namespace sillabor::shell
