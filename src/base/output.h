#pragma once
// The printer every game writes through: result lines, separators, and the
// automatic-saving tee. Lines are Windows-1252 text without line ends (a line
// break or a NUL inside one is printed as a blank).

#include <filesystem>
#include <mutex>
#include <string>
#include <string_view>

#include "base/file_writer.h"

namespace sillabor {

// Where printed lines go: the window's output area, stdout, a test's vector.
class LineSink {
public:
    virtual ~LineSink() = default;
    virtual void WriteLine(std::string_view line) = 0;
    // Shows what is pending now.
    virtual void Refresh() {}
    // Empties the view, after showing what is pending.
    virtual void Clear() {}
};

inline constexpr std::string_view kSeparatorLine = "--------------------------------------------------";
inline constexpr std::string_view kSaveClosingLine = "============================";

class Output {
public:
    static constexpr size_t kLineBufferSize = 1024;
    // A game formats one line here, then calls PrintLineBuffer.
    char LineBuffer[kLineBufferSize] = {};

    void SetSink(LineSink* sink);
    LineSink* Sink() const { return sink_; }

    void PrintLine(std::string_view text);
    void PrintLineBuffer();
    void PrintString(const std::string& text) { PrintLine(text); }
    // A line of 50 '-', never two in a row.
    void PrintSeparator();
    void RefreshOutput();
    void ClearOutput();

    // Starts teeing lines into a save file, making its folder again if it has
    // gone: prints the notice and a separator (which the file does not get).
    // When the file cannot be opened, prints so and returns false.
    bool BeginAutosave(const std::filesystem::path& path, bool append);
    // Writes the closing line and closes the save file, if one is open.
    void EndAutosave();
    bool IsSaving() const { return saveFile_.IsOpen(); }

private:
    void WriteLocked(std::string_view text);
    // After the first failed write to the save file: one line says so, and the
    // search goes on without saving.
    void ReportSaveFailureLocked();

    std::mutex mutex_;
    LineSink* sink_ = nullptr;
    char lastKind_ = 'x';
    CheckedFile saveFile_;
    bool teeing_ = false;
    std::string saveName_;
    bool saveFailureReported_ = false;
};

}  // namespace sillabor
