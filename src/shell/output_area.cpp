#include "shell/output_area.h"

#include <QFontDatabase>
#include <QMetaObject>
#include <QScrollBar>
#include <QTextCursor>
#include <QThread>
#include <utility>

#include "shell/text_conversion.h"

namespace sillabor::shell {

OutputArea::OutputArea(QWidget* parent) : QPlainTextEdit(parent) {
    setObjectName("outputArea");
    setReadOnly(false);
    // Tab moves on to the next control, as everywhere else in the window.
    setTabChangesFocus(true);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFont(DefaultFont());
}

QFont OutputArea::DefaultFont() {
    const QStringList families = QFontDatabase::families();
    QFont font;
    if (families.contains("Courier New"))
        font = QFont("Courier New");
    else if (families.contains("Liberation Mono"))
        font = QFont("Liberation Mono");
    else
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::TypeWriter);
    font.setBold(true);
    font.setPixelSize(13);
    return font;
}

bool OutputArea::OnWindowThread() const { return QThread::currentThread() == thread(); }

void OutputArea::WriteLine(std::string_view line) {
    QString text = ToQString(line);
    text.append(QLatin1Char('\n'));
    bool moveNow = false;
    {
        std::lock_guard lock(mutex_);
        // Past the area's limit the text would be dropped anyway; keep memory bounded.
        if (pending_.size() + text.size() > kMaxCharacters) return;
        pending_.append(text);
        if (pending_.size() > kMoveMark) {
            if (OnWindowThread())
                moveNow = true;
            else
                PostMoveLocked();
        }
    }
    if (moveNow) MovePending();
}

void OutputArea::Refresh() {
    if (OnWindowThread()) {
        MovePending();
        return;
    }
    std::lock_guard lock(mutex_);
    PostMoveLocked();
}

void OutputArea::Clear() {
    const bool here = OnWindowThread();
    {
        std::lock_guard lock(mutex_);
        // Whatever is pending would be shown and then cleared: drop it.
        pending_.clear();
        clearPending_ = !here;
        if (!here) PostMoveLocked();
    }
    if (here) clear();
}

void OutputArea::PostMoveLocked() {
    if (movePosted_) return;
    movePosted_ = true;
    QMetaObject::invokeMethod(this, &OutputArea::MovePending, Qt::QueuedConnection);
}

qsizetype OutputArea::PendingLength() const {
    std::lock_guard lock(mutex_);
    return pending_.size();
}

void OutputArea::MovePending() {
    QString text;
    bool clearFirst = false;
    {
        std::lock_guard lock(mutex_);
        text = std::exchange(pending_, QString());
        clearFirst = std::exchange(clearPending_, false);
        movePosted_ = false;
    }
    if (clearFirst) clear();
    if (!text.isEmpty()) AppendAtEnd(text);
}

void OutputArea::AppendAtEnd(const QString& text) {
    const qsizetype shown = document()->characterCount() - 1;
    const qsizetype room = kMaxCharacters - shown;
    if (room <= 0) return;
    moveCursor(QTextCursor::End);
    insertPlainText(text.size() > room ? text.left(room) : text);
}

}  // namespace sillabor::shell
