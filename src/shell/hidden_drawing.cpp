#include "shell/hidden_drawing.h"

#include <QPainter>
#include <QPolygon>

#include "hidden/sliding_board.h"
#include "hidden/word_guess.h"

namespace sillabor::shell {

namespace {

constexpr int kCell = SlidingBoard::kCellPixels;
constexpr int kRowPixels = 23;
constexpr int kCountColumn = 16;

QRect CellRect(int row, int column) { return QRect(kCell * (column + 1) + 1, kCell * (row + 1) + 1, kCell - 1, kCell - 1); }

QColor TileColourOf(int kind, int32_t value) {
    static const QColor kTiles[4] = {QColor(240, 210, 40), QColor(60, 170, 70), QColor(50, 100, 210), QColor(210, 50, 50)};
    if (kind == kBoardSixteenNumbers) return QColor(215, 215, 215);
    return kTiles[TileColour(kind, value)];
}

// A raised square: light on the top and left edges, dark on the others.
void DrawRaised(QPainter& painter, const QRect& rect, const QColor& face) {
    painter.fillRect(rect, face);
    painter.setPen(face.lighter(150));
    painter.drawLine(rect.topLeft(), rect.topRight());
    painter.drawLine(rect.topLeft(), rect.bottomLeft());
    painter.setPen(face.darker(170));
    painter.drawLine(rect.bottomLeft(), rect.bottomRight());
    painter.drawLine(rect.topRight(), rect.bottomRight());
}

QPolygon ArrowShape(const BoardArrow& arrow) {
    const QRect r(arrow.x + 4, arrow.y + 4, arrow.width - 8, arrow.height - 8);
    const QPoint c = r.center();
    switch (arrow.direction) {
        case kArrowUp: return QPolygon({QPoint(c.x(), r.top()), r.bottomRight(), r.bottomLeft()});
        case kArrowDown: return QPolygon({r.topLeft(), r.topRight(), QPoint(c.x(), r.bottom())});
        case kArrowLeft: return QPolygon({QPoint(r.left(), c.y()), r.topRight(), r.bottomRight()});
        default: return QPolygon({r.topLeft(), QPoint(r.right(), c.y()), r.bottomLeft()});
    }
}

}  // namespace

void DrawBoard(QImage& image, const SlidingBoard& board, int tick, const QPalette& palette) {
    const QColor empty = palette.color(QPalette::Button);
    const QColor midGrey(128, 128, 128);
    const QColor block((empty.red() + midGrey.red()) / 2, (empty.green() + midGrey.green()) / 2,
                       (empty.blue() + midGrey.blue()) / 2);
    QPainter painter(&image);
    painter.fillRect(image.rect(), empty);
    painter.setPen(empty.darker(130));
    painter.drawRect(QRect(kCell, kCell, SlidingBoard::kSide * kCell, SlidingBoard::kSide * kCell));

    QFont numbers = painter.font();
    numbers.setBold(true);
    numbers.setPixelSize(14);
    painter.setFont(numbers);
    for (int r = 0; r < SlidingBoard::kSide; ++r) {
        for (int c = 0; c < SlidingBoard::kSide; ++c) {
            const int32_t value = board.Cell(r, c);
            const QRect rect = CellRect(r, c);
            if (value == kEmptyCell) {
                painter.setPen(empty.darker(110));
                painter.drawRect(rect.adjusted(0, 0, -1, -1));
            } else if (value == kBlockCell) {
                DrawRaised(painter, rect, block);
            } else {
                DrawRaised(painter, rect, TileColourOf(board.Kind(), value));
                if (board.Kind() == kBoardSixteenNumbers) {
                    painter.setPen(Qt::black);
                    painter.drawText(rect, Qt::AlignCenter, QString::number(value));
                }
            }
        }
    }

    // The arrows glow through the colours as the timer ticks.
    QColor glow = QColor::fromHsv((tick * 15) % 360, 200, 235);
    glow.setAlpha(210);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(40, 40, 40), 1));
    painter.setBrush(glow);
    for (const BoardArrow& arrow : board.Arrows())
        if (arrow.direction != kArrowAbsent) painter.drawPolygon(ArrowShape(arrow));
}

QSize WordGridSize(const WordGuess& game) {
    return QSize(game.WordWidth() + 38, kRowPixels * WordGuess::kRows + 6);
}

void DrawWordGrid(QImage& image, const WordGuess& game, const QFont& font) {
    const int width = game.WordWidth();
    const int gridBottom = kRowPixels * WordGuess::kRows;
    QPainter painter(&image);
    painter.fillRect(image.rect(), Qt::white);

    const auto& rows = game.Rows();
    for (int k = 0; k < WordGuess::kAttemptRows; ++k)
        if (rows[static_cast<size_t>(k)].highlighted)
            painter.fillRect(QRect(1, kRowPixels * (k + 1) + 1, width + 2 * kCountColumn - 1, kRowPixels - 1),
                             QColor(255, 230, 90));

    painter.setPen(Qt::black);
    for (int k = 0; k <= WordGuess::kRows; ++k) painter.drawLine(0, kRowPixels * k, width + 2 * kCountColumn, kRowPixels * k);
    for (int x : {0, width, width + kCountColumn, width + 2 * kCountColumn}) painter.drawLine(x, 0, x, gridBottom);

    // The headings: a black disc for the neri, a white one for the bianchi.
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::black);
    painter.drawEllipse(QPointF(width + kCountColumn / 2.0, kRowPixels / 2.0), 5, 5);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(width + kCountColumn * 1.5, kRowPixels / 2.0), 5, 5);
    painter.setRenderHint(QPainter::Antialiasing, false);

    painter.setFont(font);
    for (int k = 0; k < WordGuess::kAttemptRows; ++k) {
        const WordGuess::Row& row = rows[static_cast<size_t>(k)];
        if (row.letters.empty()) continue;
        const bool current = k == game.CurrentRow() && game.TakesInput();
        const std::string letters = current ? game.ShownAttempt() : row.letters;
        const int top = kRowPixels * (k + 1);
        for (size_t i = 0; i < letters.size(); ++i)
            painter.drawText(QRect(8 + 14 * static_cast<int>(i), top, 14, kRowPixels), Qt::AlignCenter,
                             QString(QChar(letters[i])));
        const QString neri = row.scored ? QString::number(row.score.neri) : QString("?");
        const QString bianchi = row.scored ? QString::number(row.score.bianchi) : QString("?");
        painter.drawText(QRect(width + 1, top, kCountColumn - 1, kRowPixels), Qt::AlignCenter, neri);
        painter.drawText(QRect(width + kCountColumn + 1, top, kCountColumn - 1, kRowPixels), Qt::AlignCenter, bianchi);
    }
}

}  // namespace sillabor::shell
