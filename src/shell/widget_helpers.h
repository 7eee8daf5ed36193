#pragma once
// The small chores every page repeats: widgets made with the control names the
// pages and tests look them up by, room kept for hidden controls, lists whose
// items stand for values, and a page record tied to its controls both ways.

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QLineEdit>
#include <QWidget>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "shell/text_conversion.h"

namespace sillabor::shell {

// A new W(args...) whose object name is `name`.
template <typename W, typename... Args>
W* Named(const char* name, Args&&... args) {
    auto* widget = new W(std::forward<Args>(args)...);
    widget->setObjectName(name);
    return widget;
}

// The layout does not move when the page's rules hide the widget.
inline void KeepRoomWhenHidden(QWidget* widget) {
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

// A drop-down list named `name` whose items stand for the values given with them.
struct ListItem {
    QString caption;
    int value;
};
QComboBox* ValueList(const char* name, const std::vector<ListItem>& items, int current, QWidget* parent);
// The value of the list's current item, and the choice of the item with `value`.
inline int ValueOf(const QComboBox* list) { return list->currentData().toInt(); }
inline void ChooseValue(QComboBox* list, int value) {
    const int index = list->findData(value);
    if (index >= 0) list->setCurrentIndex(index);
}

// Ties the controls of a page to the fields of its record: texts and captions
// (Windows-1252 in the record), check boxes, value lists and button groups
// (whose ids are the values).
template <typename Record>
class FieldBinding {
public:
    void Text(QLineEdit* edit, std::string Record::*field) {
        Add([=](Record& r) { r.*field = FromQString(edit->text()); },
            [=](const Record& r) { edit->setText(ToQString(r.*field)); });
    }
    // A button whose caption is its state ("soddisfa", "e", ...).
    void Caption(QAbstractButton* button, std::string Record::*field) {
        Add([=](Record& r) { r.*field = FromQString(button->text()); },
            [=](const Record& r) { button->setText(ToQString(r.*field)); });
    }
    void Check(QAbstractButton* box, bool Record::*field) {
        Add([=](Record& r) { r.*field = box->isChecked(); }, [=](const Record& r) { box->setChecked(r.*field); });
    }
    void Choice(QComboBox* list, int Record::*field) {
        Add([=](Record& r) { r.*field = ValueOf(list); }, [=](const Record& r) { ChooseValue(list, r.*field); });
    }
    void Choice(QButtonGroup* group, int Record::*field) {
        Add([=](Record& r) { r.*field = group->checkedId(); },
            [=](const Record& r) {
                if (QAbstractButton* button = group->button(r.*field)) button->setChecked(true);
            });
    }

    // Controls -> record, and record -> controls.
    void ToRecord(Record& record) const {
        for (const auto& read : reads_) read(record);
    }
    void ToWidgets(const Record& record) const {
        for (const auto& write : writes_) write(record);
    }

private:
    void Add(std::function<void(Record&)> read, std::function<void(const Record&)> write) {
        reads_.push_back(std::move(read));
        writes_.push_back(std::move(write));
    }

    std::vector<std::function<void(Record&)>> reads_;
    std::vector<std::function<void(const Record&)>> writes_;
};

}  // namespace sillabor::shell
