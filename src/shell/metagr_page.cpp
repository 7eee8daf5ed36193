#include "shell/metagr_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "metagr/metagr_game.h"

namespace sillabor::shell {

MetagrPage::MetagrPage(App& app, MetagrGame& game, QWidget* parent)
    : GamePage(app, game, parent), game_(game) {
    const MetagrRequest start;
    startWord = Named<QLineEdit>("startWord", this);
    endWord = Named<QLineEdit>("endWord", this);
    for (QLineEdit* field : {startWord, endWord}) {
        field->setMaxLength(kLadderFieldMaxLength);
        field->setFixedWidth(field->fontMetrics().horizontalAdvance(QString(kLadderFieldMaxLength + 2, 'M')));
    }
    addRemove = Named<QCheckBox>("addRemove", "Aggiunta / Scarto", this);
    rearrange = Named<QCheckBox>("rearrange", "metAnagramma", this);
    std::vector<ListItem> lengths;
    for (int n = 1; n <= kMinInterLengthItems; ++n) lengths.push_back({QString::number(n), n});
    minInterLength = ValueList("minInterLength", lengths, start.minInterLength, this);

    minLengthBox_ = new QWidget(this);
    auto* minLength = new QHBoxLayout(minLengthBox_);
    minLength->setContentsMargins(0, 0, 0, 0);
    minLength->addWidget(new QLabel(" Lunghezza minima parole intermedie ", minLengthBox_));
    minLength->addWidget(minInterLength);
    minInterLength->setParent(minLengthBox_);
    minLength->addStretch(1);
    KeepRoomWhenHidden(minLengthBox_);

    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(6);
    fields->addWidget(new QLabel("Inizio : ", this), 0, 0);
    fields->addWidget(startWord, 0, 1);
    fields->addWidget(new QLabel("Fine  :", this), 1, 0);
    fields->addWidget(endWord, 1, 1);
    fields->setColumnStretch(2, 1);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(6, 6, 6, 4);
    column->setSpacing(4);
    column->addLayout(fields);
    auto* addRemoveRow = new QHBoxLayout;
    addRemoveRow->addWidget(addRemove);
    addRemoveRow->addWidget(minLengthBox_);
    column->addLayout(addRemoveRow);
    column->addWidget(rearrange);
    column->addStretch(1);

    binding_.Text(startWord, &MetagrRequest::startWord);
    binding_.Text(endWord, &MetagrRequest::endWord);
    binding_.Check(addRemove, &MetagrRequest::addRemove);
    binding_.Check(rearrange, &MetagrRequest::rearrange);
    binding_.Choice(minInterLength, &MetagrRequest::minInterLength);
    binding_.ToWidgets(start);

    connect(addRemove, &QCheckBox::toggled, this, &MetagrPage::AddRemoveClick);
    AddRemoveClick();
}

QStringList MetagrPage::HelpKeys() const { return ToQStringList(game_.HelpKeys()); }

void MetagrPage::AddRemoveClick() { minLengthBox_->setVisible(addRemove->isChecked()); }

bool MetagrPage::PrepareSearch(int& game, int& option) {
    // The fields show their words as the search takes them.
    MetagrRequest typed;
    binding_.ToRecord(typed);
    const MetagrRequest normalised = NormaliseMetagrWords(typed);
    startWord->setText(ToQString(normalised.startWord));
    endWord->setText(ToQString(normalised.endWord));
    game = game_.Id();
    option = 0;
    return true;
}

SearchJob MetagrPage::JobFor(int /*game*/, int /*option*/) {
    MetagrRequest request;
    binding_.ToRecord(request);
    return game_.Job(request);
}

}  // namespace sillabor::shell
