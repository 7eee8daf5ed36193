#include "base/autosave.h"

namespace sillabor {

void AutosaveSettings::AddPage(int page, const std::string& fileName) {
    if (page < 0) return;
    if (pages_.size() <= static_cast<size_t>(page)) pages_.resize(static_cast<size_t>(page) + 1);
    pages_[static_cast<size_t>(page)] = Page{fileName, fileName.empty() ? kSaveUnavailable : kSaveNone};
}

const AutosaveSettings::Page* AutosaveSettings::Find(int page) const {
    return (page >= 0 && static_cast<size_t>(page) < pages_.size()) ? &pages_[static_cast<size_t>(page)] : nullptr;
}

uint8_t AutosaveSettings::Mode(int page) const {
    const Page* p = Find(page);
    return p != nullptr ? p->mode : static_cast<uint8_t>(kSaveUnavailable);
}

void AutosaveSettings::SetMode(int page, uint8_t mode) {
    Page* p = const_cast<Page*>(Find(page));
    if (p != nullptr && p->mode != kSaveUnavailable) p->mode = mode;
}

const std::string& AutosaveSettings::FileName(int page) const {
    static const std::string kNone;
    const Page* p = Find(page);
    return p != nullptr ? p->fileName : kNone;
}

void AutosaveSettings::SetAll(uint8_t mode) {
    for (Page& p : pages_)
        if (p.mode != kSaveUnavailable) p.mode = mode;
}

void AutosaveSettings::DisableAll() {
    for (Page& p : pages_) p.mode = kSaveUnavailable;
}

}  // namespace sillabor
