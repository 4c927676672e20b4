#pragma once

#include "entrytakeover.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

struct EditorContext;
struct EditorFlags;

// "OK" on the panel: refuses the entry on the display, reads the fields into an entry, lets
// the takeover rules put it into the table, shows their boxes and writes back into the
// fields what the rules changed (the duration, the displayable texts).
class EntryCommit final {
    Q_DECLARE_TR_FUNCTIONS(EntryCommit)

public:
    // Whether this number is on the display while playback runs.
    using RunningCheck = std::function<bool(const QByteArray& number)>;

    EntryCommit(EditorContext& context, EditorFlags& flags);

    void setRunningCheck(RunningCheck check) { m_running = std::move(check); }
    // Called when the commit got past the running check: the sequence differs from its file.
    void setOnSequenceModified(std::function<void()> modified) { m_modified = std::move(modified); }

    // True when the entry was taken into the table.
    bool commitEntry();
    // What the table would hold after "OK", worked out on a copy: no box comes, no field and
    // nothing of the real table changes. The entry on the display is no reason to leave the
    // changes out here.
    std::unique_ptr<SequenceTable> tableAfterCommit() const;

    // The minimum display duration of what the active tab holds, in seconds.
    qint64 minimumDuration() const;
    // The editors hold plain text in one font: giving them the reference font cannot
    // re-wrap them, so the warning about a changed layout does not come in practice.
    void applyReferenceFont();
    // The fields as an entry of the active tab's kind, as they stand; the number as
    // numberFromField gives it.
    SequenceEntry entryFromFields() const;

private:
    // The fields and the selection as the takeover rules read them.
    EntryTakeover::Request request() const;
    // The row a commit goes to: the one whose entry the fields hold, else the selected one.
    int entryRow() const;
    QByteArray numberFromField() const;
    void showRefusals(const EntryTakeover::Outcome& outcome, const QByteArray& number);
    void showTooLong(const EntryTakeover::Outcome& outcome);
    void showDuration(const EntryTakeover::Outcome& outcome);
    // The characters of the kind's texts that Windows-1252 cannot hold: they reach the check
    // as marks, and the warning names them as the operator typed or pasted them.
    QStringList unencodableCharacters(TextKind kind) const;
    void showTexts(const EntryTakeover::Outcome& outcome, const QStringList& unencodable);

    EditorContext& m_c;
    EditorFlags& m_flags;
    EntryTakeover m_takeover;
    RunningCheck m_running;
    std::function<void()> m_modified;
};
