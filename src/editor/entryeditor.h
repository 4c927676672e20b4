#pragma once

#include "caretpage.h"
#include "editorcontext.h"
#include "entrycommit.h"
#include "entryloader.h"
#include "kindtabconverter.h"
#include "linealigner.h"
#include "typingfilter.h"

#include <QByteArray>
#include <QObject>

#include <memory>

class EntryEditorPanel;
class QWidget;

// The entry editor above the table: one text entry composed field by field and taken into
// the table by "OK". It keeps the editor's flags, reports every change of a field as a
// pending entry (the enabled "OK" button), offers to commit a pending entry when the focus
// leaves the editor, and loads the selected row while the editor follows the selection.
class EntryEditor final : public QObject {
    Q_OBJECT

public:
    EntryEditor(EntryEditorPanel& panel, SequenceTable& table, RowSelection& selection,
                Prompter& prompter, QObject* parent = nullptr);

    // Whether the number is on the display while playback runs; by default never.
    void setRunningCheck(EntryCommit::RunningCheck check);

    // The editor holds changes not yet in the table: the "OK" button is enabled.
    bool isEntryModified() const;
    void setEntryModified(bool modified);
    const EditorFlags& flags() const { return m_flags; }
    // Cleared by whoever moves rows under the selection (an exchange of two entries), so
    // that the moves load nothing; set again afterwards.
    void setEditorFollowsSelection(bool follows) { m_flags.followsSelection = follows; }

    // Throws ConversionError for a cell that does not convert (the load stops there).
    void loadEntry(int row);
    // True when the entry was taken into the table.
    // Following the show selected `row`: loads it like any selection, unless the editor holds
    // changes. Those are never replaced by following (a correction typed during the show
    // would be lost); a status text says so, and a commit still goes to their own row.
    void loadFollowedEntry(int row);
    // True when the entry was taken into the table.
    bool commitEntry();
    void changeNumber();
    // The leave guard. False when the operator wanted the changes taken and the table
    // refused them: the fields still hold them, and a command that runs the guard first
    // stops instead of replacing them.
    bool offerPendingCommit();
    // Empties the entry's fields for a new entry and disables "OK"; the number, the active
    // flag, the duration mode and the kind page stay. The next commit makes a new entry.
    void clearEntry();
    // Writes the number field.
    void showNumber(const QByteArray& number);

    EntryCommit& commit() { return m_commit; }
    // The entry as the fields hold it now, of the active tab's kind (the preview plays it).
    SequenceEntry editedEntry() const { return m_commit.entryFromFields(); }
    CaretPage& caretPage() { return m_caretPage; }
    LineAligner& aligner() { return m_aligner; }
    TypingFilter& typingFilter() { return m_typing; }
    // The table as "OK" would leave it while the editor holds changes; null when it holds
    // none. Asks nothing and changes nothing.
    std::unique_ptr<SequenceTable> tableWithPendingEntry() const;

signals:
    // A field changed, or the editor's changes were taken or dropped.
    void changed();
    // A text for the status line.
    void statusMessage(const QString& text);

protected:
    // The flow text is one line: Enter inserts no line break there (pasted text may bring some).
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void markModified() { setEntryModified(true); }
    void connectChangeNotifications();
    // The fixed-line fields of the flowing text report their changes like the editor's own.
    void connectFlowLineEdits();
    void showFlowStep(int tenths);
    void focusChanged(QWidget* old, QWidget* now);
    void kindChanged(TextKind from, TextKind to);

    EditorContext m_c;
    // The flow text, whose Enter the filter swallows.
    QObject* m_flowEditor = nullptr;
    EditorFlags m_flags;
    EntryLoader m_loader{m_c};
    EntryCommit m_commit{m_c, m_flags};
    CaretPage m_caretPage{m_c.panel};
    LineAligner m_aligner{m_c.panel, m_caretPage};
    KindTabConverter m_converter{m_c.panel, m_c.prompter};
    TypingFilter m_typing{m_c.panel, m_c.prompter};
};
