#include "shell/widget_helpers.h"

namespace sillabor::shell {

QComboBox* ValueList(const char* name, const std::vector<ListItem>& items, int current, QWidget* parent) {
    auto* list = Named<QComboBox>(name, parent);
    for (const ListItem& item : items) list->addItem(item.caption, item.value);
    ChooseValue(list, current);
    return list;
}

}  // namespace sillabor::shell
