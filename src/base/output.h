#pragma once
// The printer every game writes through: result lines, separators, and the
// automatic-saving tee. Lines are Windows-1252 text without line ends (a line
// break or a NUL inside one is printed as a blank).

#include <cstdio>
#include <cstring>
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
    // Whole lines, each ended by '\n'; a sink that can take them at once
    // overrides this, the others get them one by one.
    virtual void WriteLines(std::string_view lines);
    // Shows what is pending now.
    virtual void Refresh() {}
    // Empties the view, after showing what is pending.
    virtual void Clear() {}
};

inline constexpr std::string_view kSeparatorLine = "--------------------------------------------------";
inline constexpr std::string_view kSaveClosingLine = "============================";

class Output {
public:
    // The longest line PrintFormatted makes, with its NUL.
    static constexpr size_t kLineBufferSize = 1024;

    void SetSink(LineSink* sink);
    LineSink* Sink() const { return sink_; }

    void PrintLine(std::string_view text);
    // Formats one line as printf does, cut at kLineBufferSize - 1 bytes, and
    // prints it. For the search thread: one search formats at a time.
    template <typename... Args>
    void PrintFormatted(const char* format, Args... args) {
        if constexpr (sizeof...(Args) == 0) {
            PrintLine(format);
        } else {
            std::snprintf(lineBuffer_, kLineBufferSize, format, args...);
            PrintLine(std::string_view(lineBuffer_, std::strlen(lineBuffer_)));
        }
    }
    void PrintString(const std::string& text) { PrintLine(text); }
    // Prints a block of whole lines, each ended by '\n', that the caller has
    // built from text with no line break or NUL of its own: the block goes on
    // as it is, so a game printing many lines pays for one call, not one per line.
    void PrintLines(std::string_view lines);
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

    char lineBuffer_[kLineBufferSize] = {};
    std::mutex mutex_;
    LineSink* sink_ = nullptr;
    char lastKind_ = 'x';
    CheckedFile saveFile_;
    bool teeing_ = false;
    std::string saveName_;
    bool saveFailureReported_ = false;
};

}  // namespace sillabor
