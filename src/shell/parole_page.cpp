#include "shell/parole_page.h"
#include "shell/widget_helpers.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "patterns/parole_page_rules.h"
#include "shell/output_area.h"
#include "shell/text_conversion.h"

namespace sillabor::shell {

namespace {

QLineEdit* NamedEdit(const char* name, QWidget* parent, int maxLength = 32767) {
    auto* edit = Named<QLineEdit>(name, parent);
    edit->setMaxLength(maxLength);
    return edit;
}

QPushButton* NamedButton(const char* name, QWidget* parent) {
    auto* button = Named<QPushButton>(name, parent);
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

// Enough room for a two-digit length.
constexpr int kLengthFieldWidth = 30;
// Enough room for "non soddisfa".
constexpr int kModeButtonWidth = 96;

}  // namespace

ParolePage::ParolePage(App& app, ParoleGame& game, QWidget* parent)
    : GamePage(app, game, parent), game_(game) {
    onlyLettersBox = Named<QCheckBox>("onlyLettersBox", "Usa solo lettere:", this);
    lettersField = NamedEdit("lettersField", this, kLettersFieldMaxLength);
    lengthCaption = Named<QLabel>("lengthCaption", "Lung.", this);
    minLength = NamedEdit("minLength", this, kLengthFieldMaxLength);
    maxLength = NamedEdit("maxLength", this, kLengthFieldMaxLength);
    for (QLineEdit* length : {minLength, maxLength}) {
        length->setFixedWidth(kLengthFieldWidth);
        length->setAlignment(Qt::AlignRight);
    }
    requiredGroups = NamedEdit("requiredGroups", this);
    forbiddenGroups = NamedEdit("forbiddenGroups", this);
    groupsHint = Named<QLabel>("groupsHint", "inserisci i gruppi separati da spazi", this);
    groupsHint->setAlignment(Qt::AlignCenter);
    firstPattern = NamedEdit("firstPattern", this, kPatternMaxLength);
    secondPattern = NamedEdit("secondPattern", this, kPatternMaxLength);
    // Fields without a label of their own.
    lettersField->setAccessibleName("Usa solo lettere");
    firstPattern->setAccessibleName("Primo pattern");
    secondPattern->setAccessibleName("Secondo pattern");
    firstModeButton = NamedButton("firstModeButton", this);
    secondModeButton = NamedButton("secondModeButton", this);
    for (QPushButton* mode : {firstModeButton, secondModeButton}) mode->setFixedWidth(kModeButtonWidth);
    joinButton = NamedButton("joinButton", this);
    joinButton->setFixedWidth(28);
    joinButton->setToolTip("e: entrambi i pattern; o: almeno uno");
    clearButton = NamedButton("clearButton", this);
    clearButton->setText("C");
    clearButton->setFixedWidth(28);
    clearButton->setToolTip("Ripristina la pagina");

    syntaxTicker = Named<QLabel>("syntaxTicker", QString(), this);
    QFont tickerFont = OutputArea::DefaultFont();
    tickerFont.setBold(false);
    tickerFont.setPixelSize(12);
    syntaxTicker->setFont(tickerFont);
    syntaxTicker->setFrameShape(QFrame::StyledPanel);
    syntaxTicker->setAlignment(Qt::AlignCenter);
    syntaxTicker->setText(ToQString(PatternSyntaxWindow(tickerOffset_)));
    syntaxTicker->setToolTip("Clicca per nascondere");
    KeepRoomWhenHidden(syntaxTicker);
    syntaxTicker->installEventFilter(this);
    // Two texts that look inert open the hidden games.
    groupsHint->installEventFilter(this);
    lengthCaption->installEventFilter(this);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(6, 6, 6, 4);
    column->setSpacing(4);

    auto* letters = new QHBoxLayout;
    letters->addWidget(onlyLettersBox);
    letters->addWidget(lettersField, 1);
    letters->addSpacing(12);
    letters->addWidget(lengthCaption);
    letters->addWidget(new QLabel("Min", this));
    letters->addWidget(minLength);
    letters->addWidget(new QLabel("Max", this));
    letters->addWidget(maxLength);
    column->addLayout(letters);

    auto* groups = new QHBoxLayout;
    groups->addWidget(new QLabel("Gruppi obbligati", this));
    groups->addWidget(requiredGroups, 1);
    groups->addSpacing(8);
    groups->addWidget(new QLabel("Gruppi proibiti", this));
    groups->addWidget(forbiddenGroups, 1);
    column->addLayout(groups);
    column->addWidget(groupsHint);

    // "e"/"o" sits between the two patterns it joins.
    auto* patterns = new QGridLayout;
    patterns->setVerticalSpacing(4);
    patterns->addWidget(joinButton, 0, 0, 2, 1, Qt::AlignVCenter);
    patterns->addWidget(firstPattern, 0, 1);
    patterns->addWidget(firstModeButton, 0, 2);
    patterns->addWidget(secondPattern, 1, 1);
    patterns->addWidget(secondModeButton, 1, 2);
    patterns->addWidget(clearButton, 0, 3, 2, 1, Qt::AlignVCenter);
    column->addLayout(patterns);
    column->addWidget(syntaxTicker);
    column->addStretch(1);

    connect(firstModeButton, &QPushButton::clicked, this, [this] { ModeButtonClicked(firstModeButton); });
    connect(secondModeButton, &QPushButton::clicked, this, [this] { ModeButtonClicked(secondModeButton); });
    connect(joinButton, &QPushButton::clicked, this, &ParolePage::JoinButtonClicked);
    connect(clearButton, &QPushButton::clicked, this, &ParolePage::ClearClicked);

    ShowRequest(ParoleRequest{});
}

QList<QWidget*> ParolePage::TextFields() const {
    return {lettersField, requiredGroups, forbiddenGroups, minLength, maxLength, firstPattern, secondPattern};
}

ParoleRequest ParolePage::Request() const {
    ParoleRequest request;
    request.onlyLetters = onlyLettersBox->isChecked();
    request.letters = FromQString(lettersField->text());
    request.requiredGroups = FromQString(requiredGroups->text());
    request.forbiddenGroups = FromQString(forbiddenGroups->text());
    request.minLength = ParseLengthField(FromQString(minLength->text()));
    request.maxLength = ParseLengthField(FromQString(maxLength->text()));
    request.firstPattern = FromQString(firstPattern->text());
    request.secondPattern = FromQString(secondPattern->text());
    request.firstMode = ModeOfCaption(FromQString(firstModeButton->text()));
    request.secondMode = ModeOfCaption(FromQString(secondModeButton->text()));
    request.eitherPattern = EitherPatternOfCaption(FromQString(joinButton->text()));
    return request;
}

void ParolePage::ShowRequest(const ParoleRequest& request) {
    auto lengthText = [](const std::optional<int32_t>& length) {
        return length ? QString::number(*length) : QString();
    };
    onlyLettersBox->setChecked(request.onlyLetters);
    minLength->setText(lengthText(request.minLength));
    maxLength->setText(lengthText(request.maxLength));
    firstModeButton->setText(ToQString(ModeCaption(request.firstMode)));
    secondModeButton->setText(ToQString(ModeCaption(request.secondMode)));
    joinButton->setText(ToQString(JoinCaption(request.eitherPattern)));
    ShowReadFields(request);
}

void ParolePage::ShowReadFields(const ParoleRequest& read) {
    lettersField->setText(ToQString(read.letters));
    requiredGroups->setText(ToQString(read.requiredGroups));
    forbiddenGroups->setText(ToQString(read.forbiddenGroups));
    firstPattern->setText(ToQString(read.firstPattern));
    secondPattern->setText(ToQString(read.secondPattern));
}

bool ParolePage::PrepareSearch(int& game, int& option) {
    game = game_.Id();
    option = 0;
    return true;
}

SearchJob ParolePage::JobFor(int /*game*/, int /*option*/) {
    result_ = std::make_shared<ParoleResult>();
    return game_.Job(Request(), result_);
}

void ParolePage::SearchEnded() {
    if (result_ && result_->fields) ShowReadFields(*result_->fields);
    result_.reset();
}

QStringList ParolePage::HelpKeys() const { return ToQStringList(game_.HelpKeys()); }

void ParolePage::ModeButtonClicked(QPushButton* button) {
    button->setText(ToQString(ModeCaption(NextPatternMode(ModeOfCaption(FromQString(button->text()))))));
}

void ParolePage::JoinButtonClicked() {
    joinButton->setText(ToQString(JoinCaption(!EitherPatternOfCaption(FromQString(joinButton->text())))));
}

void ParolePage::ClearClicked() {
    ShowRequest(ParoleRequest{});
    syntaxTicker->show();
}

void ParolePage::IdleTick() {
    if (syntaxTicker->isHidden()) return;
    syntaxTicker->setText(ToQString(PatternSyntaxWindow(tickerOffset_)));
    tickerOffset_ = NextPatternSyntaxOffset(tickerOffset_);
}

bool ParolePage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == syntaxTicker && event->type() == QEvent::MouseButtonPress) {
        syntaxTicker->hide();
        return true;
    }
    if ((watched == groupsHint || watched == lengthCaption) && event->type() == QEvent::MouseButtonPress) {
        emit HiddenGameRequested(watched == groupsHint ? kHiddenBoard : kHiddenWord);
        return true;
    }
    return GamePage::eventFilter(watched, event);
}

}  // namespace sillabor::shell
