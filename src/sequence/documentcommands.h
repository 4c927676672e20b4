#pragma once

#include "commandcontext.h"
#include "sequencefile.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>
#include <utility>

// The file menu's commands around the document: new, open, save, save as, the save question
// when the main window closes, and the start-up's opening of the last sequence. Opening a
// sequence, at the start or by "Ablauf öffnen", offers its rescue copy.
//
// A new or opened document starts without marks: the marks named entries of the table that
// was replaced, and a number they listed could name a different, unmarked entry of the new
// one.
//
// A save that does not happen (dialog cancelled, overwrite refused, file not written) counts
// as not saved: a command that asked "save first?" and got Yes then stops instead of dropping
// the changes.
class DocumentCommands final : public QObject {
    Q_OBJECT

public:
    static const QString Filter;

    explicit DocumentCommands(CommandContext context, QObject* parent = nullptr);

    // "&Neu". False when the save question was cancelled or the save failed; nothing changed.
    bool newSequence();
    // "Ablauf &öffnen". A rescue copy of the chosen file is offered as at the start.
    void openSequence();
    // "Ablauf &speichern". True when the file was written.
    bool save();
    // "Ablauf speichern &unter". True when the file was written.
    bool saveAs();

    // "&Neu" without questions, then reads `path`. A file that cannot be read is reported
    // and leaves a new, untitled document; a file refused as too large is reported
    // and leaves the open document as it was. A file with cells longer than a cell may be
    // (saved by a version that let them in) is offered cut: Yes opens it as a modified
    // document with those cells cut and names their rows, No leaves the open document as it
    // was. The file itself is written only by a save. False when nothing was read.
    bool openFile(const QString& path);

    // The close pass's question about a modified sequence. False: the window stays open.
    bool askToSaveOnClose();

    // Start-up: opens `path` when that file exists, else starts a new document. A file named
    // on the command line (`required`) that does not exist is reported. A rescue copy of the
    // document newer than its file is offered first: Yes opens it as the modified document
    // under the file's name, No keeps it aside under a name with its date. A copy older than
    // its file goes aside too, unless it holds just what the file holds: then it is removed.
    // When no file is named on the command line and nothing was taken back, a rescue copy of
    // the untitled document is offered next. Never throws: the start-up goes on whatever
    // happens here.
    void openAtStartup(const QString& path, bool required);

    // Where rescue copies go when the document's folder cannot be written; the start-up
    // looks there too.
    void setRescueFolder(const QString& folder) { m_rescueFolder = folder; }
    const QString& rescueFolder() const { return m_rescueFolder; }
    // Tells the copies this run wrote or took back itself: they are never offered (a
    // document reopened after its changes were given up does not offer them again).
    void setOwnCopyCheck(std::function<bool(const QString& rescuePath)> check) {
        m_ownCopy = std::move(check);
    }

signals:
    // The marks were dropped with the table they named.
    void marksChanged();
    // The operator took the rescue copy at `rescuePath` back into the open document.
    void rescueCopyTaken(const QString& rescuePath);

private:
    // The save question; false when cancelled or when the save did not happen.
    bool askToSave(const QString& question);
    void startNewDocument();
    bool chooseFileAndSave();
    bool write(const QString& path);
    // The offer of a rescue copy of `path` (absolute); true when it was opened instead.
    bool offerRescue(const QString& path);
    // Reads `path`, offering to cut cells beyond the bound; empty when the operator declined.
    // Throws what SequenceFile::read throws.
    std::optional<SequenceFile::Lines> readOfferingCut(const QString& path);
    void reportCutLines(const SequenceFile::Lines& lines);

    CommandContext m_c;
    QString m_rescueFolder;
    std::function<bool(const QString&)> m_ownCopy;
};
