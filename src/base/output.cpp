#include "base/output.h"

#include <cassert>
#include <cstring>
#include <string>
#include <system_error>

#include "base/file_size.h"
#include "base/text_encoding.h"

namespace sillabor {

namespace {

// One pass over the line: find_first_of with a set of three would search the
// set once for every character of every line a search prints.
bool HasLineBreakOrNul(std::string_view text) {
    bool found = false;
    for (const char c : text) found |= c == '\n' || c == '\r' || c == '\0';
    return found;
}

}  // namespace

void LineSink::WriteLines(std::string_view lines) {
    while (!lines.empty()) {
        const size_t end = lines.find('\n');
        WriteLine(lines.substr(0, end));
        if (end == std::string_view::npos) break;
        lines.remove_prefix(end + 1);
    }
}

void Output::SetSink(LineSink* sink) {
    std::lock_guard lock(mutex_);
    sink_ = sink;
}

void Output::WriteLocked(std::string_view text) {
    // A line stays one line wherever it goes: a line break or a NUL that came
    // in with the user's text becomes a blank.
    std::string whole;
    if (HasLineBreakOrNul(text)) {
        whole.assign(text);
        for (char& c : whole)
            if (c == '\n' || c == '\r' || c == '\0') c = ' ';
        text = whole;
    }
    if (teeing_ && !saveFile_.Failed()) {
        std::string utf8 = Cp1252ToUtf8(text);
        utf8.push_back('\n');
        if (!saveFile_.Write(utf8)) ReportSaveFailureLocked();
    }
    if (sink_ != nullptr) sink_->WriteLine(text);
}

void Output::ReportSaveFailureLocked() {
    if (saveFailureReported_) return;
    saveFailureReported_ = true;
    if (sink_ != nullptr) sink_->WriteLine("Errore: impossibile scrivere il file Salvataggi/" + saveName_ + ": salvataggio interrotto");
}

void Output::PrintLine(std::string_view text) {
    std::lock_guard lock(mutex_);
    WriteLocked(text);
    lastKind_ = 'x';
}

void Output::PrintLines(std::string_view lines) {
    if (lines.empty()) return;
    assert(lines.back() == '\n' && lines.find_first_of(std::string_view("\r\0", 2)) == std::string_view::npos);
    std::lock_guard lock(mutex_);
    if (teeing_ && !saveFile_.Failed() && !saveFile_.Write(Cp1252ToUtf8(lines))) ReportSaveFailureLocked();
    if (sink_ != nullptr) sink_->WriteLines(lines);
    lastKind_ = 'x';
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
    // A folder removed since the start is made again.
    std::error_code ec;
    std::filesystem::create_directories(path.parent_path(), ec);
    int32_t sizeBefore = append ? FileSize(path) : 0;
    std::string name = path.filename().string();
    {
        std::lock_guard lock(mutex_);
        if (!saveFile_.Open(path, append)) {
            // The user asked for the results to be saved: say that they will not be.
            WriteLocked("Errore: impossibile creare il file Salvataggi/" + name + ": risultati non salvati");
            lastKind_ = 'x';
            return false;
        }
        saveName_ = name;
        saveFailureReported_ = false;
    }
    ClearOutput();
    if (append)
        PrintLine("Accodo i risultati a " + name + " (lungo " + std::to_string(sizeBefore) + " bytes)");
    else
        PrintLine("Salvo i risultati in " + name);
    PrintSeparator();
    RefreshOutput();
    // Only now do lines go into the file: the notice and its separator do not.
    std::lock_guard lock(mutex_);
    teeing_ = true;
    return true;
}

void Output::EndAutosave() {
    std::lock_guard lock(mutex_);
    if (!saveFile_.IsOpen()) return;
    teeing_ = false;
    std::string closing(kSaveClosingLine);
    closing.push_back('\n');
    saveFile_.Write(closing);
    if (!saveFile_.Close()) {
        ReportSaveFailureLocked();
        if (sink_ != nullptr) sink_->Refresh();
    }
}

}  // namespace sillabor
