#pragma once
// A panel of the status bar. Its width is a minimum: it grows with its text
// as far as the window allows, and past that it draws the text cut with an
// ellipsis; the whole text is always its tooltip.

#include <QLabel>

namespace sillabor::shell {

class StatusPanel : public QLabel {
    Q_OBJECT

public:
    StatusPanel(int minimumWidth, Qt::Alignment alignment, QWidget* parent = nullptr);

    void Show(const QString& text);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int minimumWidth_;
};

}  // namespace sillabor::shell
