#include "shell/status_panel.h"

#include <QPainter>
#include <QStyle>
#include <algorithm>

namespace sillabor::shell {

StatusPanel::StatusPanel(int minimumWidth, Qt::Alignment alignment, QWidget* parent)
    : QLabel(parent), minimumWidth_(minimumWidth) {
    setAlignment(alignment | Qt::AlignVCenter);
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

void StatusPanel::Show(const QString& text) {
    setText(text);
    setToolTip(text.trimmed());
    updateGeometry();
}

QSize StatusPanel::sizeHint() const {
    const QSize whole = QLabel::sizeHint();
    return {std::max(minimumWidth_, whole.width()), whole.height()};
}

QSize StatusPanel::minimumSizeHint() const { return {minimumWidth_, QLabel::minimumSizeHint().height()}; }

void StatusPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawFrame(&painter);
    const QRect room = contentsRect().adjusted(margin() + 2, 0, -margin() - 2, 0);
    const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, room.width());
    style()->drawItemText(&painter, room, static_cast<int>(alignment()), palette(), isEnabled(), shown, foregroundRole());
}

}  // namespace sillabor::shell
