#include "documentcommands.h"

#include "documentstate.h"
#include "fileerror.h"
#include "marklist.h"
#include "rowselection.h"
#include "sequencefile.h"
#include "sequencetable.h"

#include "platform/prompter.h"
#include "windows/language.h"

#include <QDir>
#include <QFileInfo>

#include <exception>

using Answer = Prompter::Answer;

const QString DocumentCommands::Filter = QStringLiteral("LCD_Text_Ablauf (*.lta)");

namespace {

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

} // namespace

DocumentCommands::DocumentCommands(SequenceTable& table, RowSelection& selection, MarkList& marks,
                                   DocumentState& document, Prompter& prompter, EditorHooks editor,
                                   std::function<QString()> languageCode, QObject* parent)
    : QObject(parent)
    , m_table(table)
    , m_selection(selection)
    , m_marks(marks)
    , m_document(document)
    , m_prompter(prompter)
    , m_editor(std::move(editor))
    , m_languageCode(std::move(languageCode)) {
}

bool DocumentCommands::Neu1Click() {
    if (!askToSave(QStringLiteral("Save changes in %1 ?")))
        return false;
    startNewDocument();
    return true;
}

void DocumentCommands::Oeffnen1Click() {
    const QString path =
        m_prompter.chooseOpenFile(QFileInfo(m_document.currentFile()).absolutePath(), Filter);
    if (path.isEmpty())
        return;
    if (!askToSave(QStringLiteral("Save changes in %1 ?")))
        return;
    openFile(path);
}

bool DocumentCommands::Speichern1Click() {
    m_editor.callTakeChanges();
    if (m_document.isUntitled())
        return saveAs();
    if (!write(m_document.currentFile()))
        return false;
    m_document.setModified(false);
    return true;
}

bool DocumentCommands::Speichernunter1Click() {
    m_editor.callTakeChanges();
    return saveAs();
}

bool DocumentCommands::openFile(const QString& path) {
    startNewDocument();
    try {
        SequenceFile::load(m_table, path);
    } catch (const FileError& e) {
        m_prompter.showError(QString::fromUtf8(e.what()));
        return false;
    }
    m_document.setDocumentName(path);
    m_table.ensureActive(m_selection.selectedRow(), ActiveMarks::forLanguage(language()));
    // Row 1 is loaded once, here, and not a second time through the selection.
    m_editor.callSetFollowsSelection(false);
    m_selection.select(1);
    m_editor.callSetFollowsSelection(true);
    m_editor.callLoadRow(1);
    return true;
}

bool DocumentCommands::askToSaveOnClose() {
    return askToSave(QStringLiteral("Save changes to %1 ?"));
}

void DocumentCommands::openAtStartup(const QString& path, bool required) {
    try {
        if (!path.isEmpty() && QFileInfo(path).isFile()) {
            openFile(QFileInfo(path).absoluteFilePath());
            return;
        }
        startNewDocument();
        if (required)
            m_prompter.showError(QString::fromUtf8(FileError::cannotOpen(path).what()));
    } catch (const std::exception& e) {
        // A row that does not load into the editor: reported, and the start-up goes on.
        m_prompter.showError(QString::fromUtf8(e.what()));
    }
}

QString DocumentCommands::rescueUnsaved() {
    if (!m_document.isModified())
        return QString();
    const QString path = rescuePath(m_document.currentFile());
    try {
        SequenceFile::save(m_table, path);
    } catch (const FileError& e) {
        qWarning("unsaved changes are lost: %s", e.what());
        return QString();
    }
    qWarning("unsaved changes kept in %s", qPrintable(shown(path)));
    m_document.setCurrentFile(path);
    return path;
}

QString DocumentCommands::rescuePath(const QString& documentPath) {
    const QFileInfo file(documentPath);
    QString base = file.fileName();
    if (base.endsWith(QLatin1String(".lta"), Qt::CaseInsensitive))
        base.chop(4);
    if (base.endsWith(QLatin1String(".rescue")))
        base.chop(7); // a rescue of a rescue replaces the older copy
    return QDir(file.absolutePath()).filePath(base + QStringLiteral(".rescue.lta"));
}

bool DocumentCommands::askToSave(const QString& english) {
    if (!m_document.isModified())
        return true;
    const Answer answer = m_prompter.askYesNoCancel(
        Language::choose(language(), QStringLiteral("Möchten Die die Änderungen in %1 speichern?"),
                         english)
            .arg(shown(m_document.currentFile())));
    if (answer == Answer::Cancel)
        return false;
    return answer != Answer::Yes || Speichern1Click();
}

void DocumentCommands::startNewDocument() {
    m_table.clear();
    if (!m_marks.numbers().isEmpty()) {
        m_marks.clear();
        emit marksChanged();
    }
    m_selection.select(1);
    m_editor.callReset();
    m_editor.callSetNumber(QByteArrayLiteral("00010"));
    m_document.setDocumentName(m_document.untitledPath());
}

bool DocumentCommands::saveAs() {
    QString path = m_prompter.chooseSaveFile(m_document.currentFile(), Filter);
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".lta");
    if (QFileInfo::exists(path) &&
        m_prompter.askYesNo(Language::choose(language(), QStringLiteral("Datei %1 überscheiben?"),
                                             QStringLiteral("Overwrite File %1 ?"))
                                .arg(shown(path))) != Answer::Yes)
        return false;
    if (!write(path))
        return false;
    m_document.setDocumentName(path);
    return true;
}

bool DocumentCommands::write(const QString& path) {
    try {
        SequenceFile::save(m_table, path);
    } catch (const FileError& e) {
        m_prompter.showError(QString::fromUtf8(e.what()));
        return false;
    }
    return true;
}

QString DocumentCommands::language() const {
    return m_languageCode ? m_languageCode() : QStringLiteral("D");
}
