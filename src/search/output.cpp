#include "search/output.h"

#include <cstring>

#include "dictionary/file_size.h"
#include "dictionary/text_encoding.h"

namespace sillabor {

void Output::SetSink(LineSink* sink) {
    std::lock_guard lock(mutex_);
    sink_ = sink;
}

void Output::WriteLocked(std::string_view text) {
    if (saveFile_ != nullptr) {
        std::string utf8 = Cp1252ToUtf8(text);
        utf8.push_back('\n');
        std::fwrite(utf8.data(), 1, utf8.size(), saveFile_);
    }
    if (sink_ != nullptr) sink_->WriteLine(text);
}

void Output::PrintLine(std::string_view text) {
    std::lock_guard lock(mutex_);
    WriteLocked(text);
    lastKind_ = 'x';
}

void Output::PrintLineBuffer() {
    LineBuffer[kLineBufferSize - 1] = '\0';
    PrintLine(std::string_view(LineBuffer, std::strlen(LineBuffer)));
}

void Output::PrintSeparator() {
    std::lock_guard lock(mutex_);
    if (lastKind_ == '-') return;
    WriteLocked(kSeparatorLine);
    lastKind_ = '-';
}

void Output::RefreshOutput() {
    std::lock_guard lock(mutex_);
    if (sink_ != nullptr) sink_->Refresh();
}

void Output::ClearOutput() {
    std::lock_guard lock(mutex_);
    if (sink_ != nullptr) sink_->Clear();
}

bool Output::BeginAutosave(const std::filesystem::path& path, bool append) {
    EndAutosave();
    int32_t sizeBefore = append ? FileSize(path) : 0;
    std::FILE* file = std::fopen(path.c_str(), append ? "ab" : "wb");
    if (file == nullptr) return false;
    std::string name = path.filename().string();
    ClearOutput();
    if (append)
        PrintLine("Accodo i risultati a " + name + " (lungo " + std::to_string(sizeBefore) + " bytes)");
    else
        PrintLine("Salvo i risultati in " + name);
    PrintSeparator();
    RefreshOutput();
    std::lock_guard lock(mutex_);
    saveFile_ = file;
    return true;
}

void Output::EndAutosave() {
    std::lock_guard lock(mutex_);
    if (saveFile_ == nullptr) return;
    std::string closing(kSaveClosingLine);
    closing.push_back('\n');
    std::fwrite(closing.data(), 1, closing.size(), saveFile_);
    std::fclose(saveFile_);
    saveFile_ = nullptr;
}

}  // namespace sillabor
