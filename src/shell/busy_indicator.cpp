#include "shell/busy_indicator.h"

#include <QPainter>
#include <cmath>
#include <ctime>
#include <numbers>

namespace sillabor::shell {

BusyIndicator::BusyIndicator(QWidget* parent)
    : QWidget(parent),
      canvas_(kSide, kSide, QImage::Format_RGB32),
      random_(static_cast<unsigned>(std::time(nullptr))) {
    setObjectName("busyIndicator");
    setFixedSize(kSide, kSide);
    canvas_.fill(palette().color(QPalette::Window));
    for (int i = 0; i < kSquares; ++i) PaintSquare(i, Qt::black);
}

QPoint BusyIndicator::SquareCentre(int i) {
    const double angle = i * 36.0 * std::numbers::pi / 180.0;
    return QPoint(static_cast<int>(std::lround(28.5 + 21.0 * std::cos(angle))),
                  static_cast<int>(std::lround(28.5 + 21.0 * std::sin(angle))));
}

void BusyIndicator::PaintSquare(int i, QColor colour) {
    QPainter painter(&canvas_);
    const QPoint c = SquareCentre(i);
    painter.fillRect(QRect(c.x() - 4, c.y() - 4, 8, 8), colour);
}

QRgb BusyIndicator::Colour() const { return qRgb(rgb_[0].value, rgb_[1].value, rgb_[2].value); }

void BusyIndicator::Advance() {
    if (!started_) {
        const auto seconds = static_cast<long long>(std::time(nullptr));
        rgb_[0].step = static_cast<int>(seconds % 15) + 5;
        rgb_[1].step = static_cast<int>(seconds % 16) + 5;
        rgb_[2].step = static_cast<int>(seconds % 13) + 5;
        started_ = true;
    }
    for (BouncingComponent& component : rgb_) component.Advance(random_);
    PaintSquare(position_, QColor(Colour()));
    position_ = (position_ + 1) % kSquares;
    PaintSquare(position_, Qt::white);
    update();
}

void BusyIndicator::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, canvas_);
}

}  // namespace sillabor::shell
