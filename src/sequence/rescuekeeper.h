#pragma once

#include "rescuewriter.h"

#include <QByteArray>
#include <QObject>
#include <QSet>
#include <QString>

#include <functional>
#include <memory>

class Clock;
class QAbstractItemModel;
class DocumentState;
class Timer;

// Keeps a rescue copy of unsaved work on disk, so that a crash, a kill or a power cut loses
// at most the last few seconds: while the sequence is modified or the editor holds changes
// not yet in the table, the copy follows DelayMs after the last change (at the latest
// MaxWaitMs after the first one that is not yet in it). Its lines are taken on the
// user-interface thread, which is cheap, and encoded and written on a thread of its own, as a
// save writes. A frame on its way to the display goes first: the copy then waits RetryMs and
// looks again. A save, a document given up or a clean close removes the copy; a close that
// cannot ask keeps it for the next start, which offers it back.
//
// The keeper writes over and removes only the copies it wrote itself and the ones the
// operator took back into the document. Any other copy at the place of a new one (left by a
// run that ended without a word, and not yet offered) is first kept aside under the time it
// was written, never lost.
class RescueKeeper final : public QObject {
    Q_OBJECT

public:
    static constexpr int DelayMs = 3000;
    static constexpr int MaxWaitMs = 15000;
    static constexpr int RetryMs = 50;

    struct Hooks {
        // The file's lines of the table as a commit of the editor would leave it.
        std::function<SequenceFile::Lines()> snapshot;
        // True while the editor holds changes not yet in the table.
        std::function<bool()> entryPending;
        // True while a frame is being sent to the display.
        std::function<bool()> sending;
    };

    RescueKeeper(DocumentState& document, Clock& clock, Hooks hooks, QObject* parent = nullptr);
    ~RescueKeeper() override;

    // A folder of the program's own, for a document whose folder cannot be written.
    void setFallbackFolder(const QString& folder) { m_fallbackFolder = folder; }
    const QString& fallbackFolder() const { return m_fallbackFolder; }

    // Every change of the table's cells, rows or order counts; the marker colours do not.
    void watch(const QAbstractItemModel& table);
    // Something in the table, the editor or the document changed.
    void noteChange();
    // A close that cannot ask: writes the copy now and keeps it for the next start. Returns
    // its path, or empty when nothing was unsaved or nothing could be written.
    QString rescueNow();
    // A close that asked: whatever the operator chose, the copy is no longer needed.
    void closeCleanly();
    // The operator took the copy at `rescuePath` back into the open document: it is this
    // run's own now, written over by the next copy and removed with it.
    void adoptCopy(const QString& rescuePath);
    // True for a copy this run wrote or took back.
    bool ownsCopy(const QString& rescuePath) const;
    // Returns once the copies asked for are on disk (the close, and tests).
    void waitUntilWritten() { m_writer.waitUntilDone(); }

private:
    bool hasUnsavedWork() const;
    void timeout();
    // False when there was nowhere to write.
    bool writeCopy();
    void removeCopies();

    DocumentState& m_document;
    Clock& m_clock;
    Hooks m_hooks;
    std::unique_ptr<Timer> m_timer;
    RescueWriter m_writer;
    QString m_fallbackFolder;
    // The document whose copy was last asked for or taken back; empty when none is on disk.
    QString m_writtenFor;
    // The copies this run may write over or remove: written by it or taken back.
    QSet<QString> m_ownCopies;
    qint64 m_firstChangeMs = 0;
    // After a close: nothing more is written or removed.
    bool m_finished = false;
};
