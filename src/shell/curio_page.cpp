#include "shell/curio_page.h"

#include <QGridLayout>
#include <QPushButton>
#include <algorithm>

#include "curio/curio_game.h"
#include "curio/curio_reports.h"
#include "shell/text_conversion.h"
#include "shell/widget_helpers.h"

namespace sillabor::shell {

namespace {

constexpr int kColumns = 6;
constexpr int kButtonWidth = 76;
constexpr int kButtonHeight = 25;

}  // namespace

CurioPage::CurioPage(App& app, CurioGame& game, QWidget* parent)
    : GamePage(app, game, parent), game_(game) {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(6, 12, 6, 6);
    grid->setHorizontalSpacing(3);
    grid->setVerticalSpacing(9);
    int width = kButtonWidth;
    for (int k = 0; k < kCurioReportCount; ++k) {
        const QByteArray name = "reportButton" + QByteArray::number(k);
        QPushButton* button = Named<QPushButton>(name.constData(), QString(kCurioButtons[k].caption), this);
        button->setAutoDefault(false);
        width = std::max(width, button->fontMetrics().horizontalAdvance(button->text()) + 12);
        connect(button, &QPushButton::clicked, this, &CurioPage::ReportButtonClick);
        grid->addWidget(button, k / kColumns, k % kColumns);
        reportButtons[static_cast<size_t>(k)] = button;
    }
    // As wide as the widest caption needs, and never narrower than 76 pixels.
    for (QPushButton* button : reportButtons) button->setFixedSize(width, kButtonHeight);
    grid->setColumnStretch(kColumns, 1);
    grid->setRowStretch(kCurioReportCount / kColumns, 1);
    reportButtons[kMicroButton]->setText(ToQString(game_.state.MicroCaption()));
}

QStringList CurioPage::HelpKeys() const { return ToQStringList(game_.HelpKeys()); }

void CurioPage::ReportButtonClick() {
    const auto found = std::find(reportButtons.begin(), reportButtons.end(), sender());
    if (found == reportButtons.end()) return;
    emit SearchRequested(game_.Id(), kCurioButtons[found - reportButtons.begin()].code);
}

SearchJob CurioPage::JobFor(int /*game*/, int option) {
    CurioRequest request;
    request.report = option;
    result_ = std::make_shared<CurioResult>();
    return game_.Job(request, result_);
}

void CurioPage::SearchEnded() {
    if (result_ && !result_->microCaption.empty()) reportButtons[kMicroButton]->setText(ToQString(result_->microCaption));
    result_.reset();
}

}  // namespace sillabor::shell
