#pragma once
// The output area every search prints into, and its pending text.
//
// Printing may happen on any thread: a printed line is only appended to the
// pending text under a lock. The text moves into the widget on the window
// thread, on each tick of the busy timer, when more than 2000 characters are
// waiting (a queued move is posted), or at once when the window thread asks.

#include <QPlainTextEdit>
#include <QString>
#include <mutex>

#include "base/output.h"

namespace sillabor::shell {

class OutputArea : public QPlainTextEdit, public LineSink {
    Q_OBJECT

public:
    static constexpr int kMaxCharacters = 2097152;
    static constexpr int kMoveMark = 2000;

    explicit OutputArea(QWidget* parent = nullptr);

    // LineSink: safe on any thread.
    void WriteLine(std::string_view line) override;
    // On the window thread the pending text is shown before returning; from
    // another thread the move is posted to the window thread.
    void Refresh() override;
    void Clear() override;

    // Moves the pending text to the end of the area (window thread only).
    void MovePending();
    qsizetype PendingLength() const;
    // The font asked for by name, with its metric-compatible fall-backs.
    static QFont DefaultFont();

private:
    bool OnWindowThread() const;
    void PostMoveLocked();
    void AppendAtEnd(const QString& text);

    mutable std::mutex mutex_;
    QString pending_;  // PendingOutput: lines, each followed by a line feed
    bool clearPending_ = false;
    bool movePosted_ = false;
};

}  // namespace sillabor::shell
