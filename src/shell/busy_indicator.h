#pragma once
// The busy indicator: ten squares on a circle, a white head running
// around them and leaving squares of a slowly changing colour behind.

#include <QImage>
#include <QWidget>
#include <array>
#include <random>

namespace sillabor::shell {

// One colour component bouncing between 0 and 255 with random steps.
struct BouncingComponent {
    int value = 0;
    int step = 0;
    // Moves by the step; at either end clamps and draws a new step (5..20),
    // pointing down at 255 and up at 0.
    template <typename Random>
    void Advance(Random& random) {
        value += step;
        if (value <= 0 || value >= 255) {
            const bool top = value >= 255;
            value = top ? 255 : 0;
            step = 5 + static_cast<int>(random() % 16);
            if (top) step = -step;
        }
    }
};

class BusyIndicator : public QWidget {
    Q_OBJECT

public:
    static constexpr int kSide = 57;
    static constexpr int kSquares = 10;

    explicit BusyIndicator(QWidget* parent = nullptr);

    // One tick of a running search: next colour, next square.
    void Advance();
    // Centre of square i, as drawn.
    static QPoint SquareCentre(int i);
    QRgb Colour() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void PaintSquare(int i, QColor colour);

    QImage canvas_;
    std::array<BouncingComponent, 3> rgb_{};
    bool started_ = false;
    int position_ = 0;
    std::minstd_rand random_;
};

}  // namespace sillabor::shell
