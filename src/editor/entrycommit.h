#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>

class QTextEdit;
struct EditorContext;
struct EditorFlags;

// Takes the entry in the editor into the table ("OK"): refuses the entry on the display,
// sets the duration from the minimum the text needs, makes the text displayable, checks
// the number, writes the row and sorts the table by number.
class EntryCommit final {
public:
    // Whether this number is on the display while playback runs.
    using RunningCheck = std::function<bool(const QByteArray& number)>;

    EntryCommit(EditorContext& context, EditorFlags& flags)
        : m_c(context)
        , m_flags(flags) {}

    void setRunningCheck(RunningCheck check) { m_running = std::move(check); }
    // Called when the commit got past the running check: the sequence differs from its file.
    void setOnSequenceModified(std::function<void()> modified) { m_modified = std::move(modified); }

    void commitEntry();

    // The minimum display duration of what the active tab holds, in seconds.
    qint64 minimumDuration() const;
    // The editors hold plain text in one font: giving them the reference font cannot
    // re-wrap them, so the warning about a changed layout does not come in practice.
    void applyReferenceFont();

private:
    bool numberRefused(const QByteArray& number);
    int targetRow(const QByteArray& number);
    void takeDuration(qint64 minimum);
    void writeCommonCells(int row, const QByteArray& number);
    void writeKindCells(int row);
    QList<QByteArray> checkedEditorLines(QTextEdit& editor);
    QByteArray checked(const QByteArray& text);
    QString text(const char* german, const char* english) const;

    EditorContext& m_c;
    EditorFlags& m_flags;
    RunningCheck m_running;
    std::function<void()> m_modified;
};
