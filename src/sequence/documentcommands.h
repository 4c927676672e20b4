#pragma once

#include "commandcontext.h"

#include <QObject>
#include <QString>

// The file menu's commands around the document: new, open, save, save as, the save question
// when the main window closes, and the start-up's opening of the last sequence with the offer
// of its rescue copy.
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
    // "Ablauf &öffnen".
    void openSequence();
    // "Ablauf &speichern". True when the file was written.
    bool save();
    // "Ablauf speichern &unter". True when the file was written.
    bool saveAs();

    // "&Neu" without questions, then reads `path`. A file that cannot be read is reported
    // and leaves a new, untitled document; a file refused as too large is reported
    // and leaves the open document as it was. False when nothing was read.
    bool openFile(const QString& path);

    // The close pass's question about a modified sequence. False: the window stays open.
    bool askToSaveOnClose();

    // Start-up: opens `path` when that file exists, else starts a new document. A file named
    // on the command line (`required`) that does not exist is reported. A rescue copy of the
    // document newer than its file is offered first: Yes opens it as the modified document
    // under the file's name, No keeps it aside under a name with its date. Never throws:
    // the start-up goes on whatever happens here.
    void openAtStartup(const QString& path, bool required);

    // Where rescue copies go when the document's folder cannot be written; the start-up
    // looks there too.
    void setRescueFolder(const QString& folder) { m_rescueFolder = folder; }
    const QString& rescueFolder() const { return m_rescueFolder; }

signals:
    // The marks were dropped with the table they named.
    void marksChanged();

private:
    // The save question; false when cancelled or when the save did not happen.
    bool askToSave(const QString& question);
    void startNewDocument();
    bool chooseFileAndSave();
    bool write(const QString& path);
    // The start-up's offer of a rescue copy; true when it was opened instead of `path`.
    bool offerRescue(const QString& path);

    CommandContext m_c;
    QString m_rescueFolder;
};
