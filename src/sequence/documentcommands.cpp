#include "documentcommands.h"

#include "documentstate.h"
#include "fileerror.h"
#include "marklist.h"
#include "oversizedfileerror.h"
#include "rescuecopy.h"
#include "rowselection.h"
#include "sequencefile.h"
#include "sequencetable.h"

#include "platform/prompter.h"
#include "platform/windows1252.h"
#include "windows/language.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <exception>

using Answer = Prompter::Answer;

const QString DocumentCommands::Filter = QStringLiteral("LCD_Text_Ablauf (*.lta)");

namespace {

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

} // namespace

DocumentCommands::DocumentCommands(CommandContext context, QObject* parent)
    : QObject(parent)
    , m_c(std::move(context)) {
}

bool DocumentCommands::newSequence() {
    if (!askToSave(tr("Möchten Die die Änderungen in %1 speichern?", "before a new or other file")))
        return false;
    startNewDocument();
    return true;
}

void DocumentCommands::openSequence() {
    const QString path =
        m_c.prompter.chooseOpenFile(QFileInfo(m_c.document.currentFile()).absolutePath(), Filter);
    if (path.isEmpty())
        return;
    if (!askToSave(tr("Möchten Die die Änderungen in %1 speichern?", "before a new or other file")))
        return;
    if (!offerRescue(QFileInfo(path).absoluteFilePath()))
        openFile(path);
}

bool DocumentCommands::save() {
    m_c.editor.callTakeChanges();
    if (m_c.document.isUntitled())
        return chooseFileAndSave();
    if (!write(m_c.document.currentFile()))
        return false;
    m_c.document.setModified(false);
    return true;
}

bool DocumentCommands::saveAs() {
    m_c.editor.callTakeChanges();
    return chooseFileAndSave();
}

bool DocumentCommands::openFile(const QString& path) {
    std::optional<SequenceFile::Lines> read;
    try {
        read = readOfferingCut(path);
    } catch (const OversizedFileError& e) {
        // Refused before anything changed: the open document stays as it was.
        m_c.prompter.showError(QString::fromUtf8(e.what()));
        return false;
    } catch (const FileError& e) {
        startNewDocument();
        m_c.prompter.showError(QString::fromUtf8(e.what()));
        return false;
    }
    if (!read)
        return false;
    const SequenceFile::Lines& lines = *read;
    startNewDocument();
    SequenceFile::fill(m_c.table, lines);
    m_c.document.setDocumentName(path);
    if (!lines.cutLines.empty()) {
        // The table differs from the file, which keeps its long cells until a save.
        m_c.document.setModified(true);
        reportCutLines(lines);
    }
    if (lines.nulsReplaced)
        m_c.prompter.showWarning(
            tr("Die Datei %1 enthielt Nullzeichen; sie wurden als Leerzeichen gelesen.")
                .arg(shown(path)));
    m_c.table.ensureActive(m_c.selection.selectedRow(), ActiveMarks::forLanguage(m_c.language()));
    // Row 1 is loaded once, here, and not a second time through the selection.
    m_c.editor.callSetFollowsSelection(false);
    m_c.selection.select(1);
    m_c.editor.callSetFollowsSelection(true);
    m_c.editor.callLoadRow(1);
    return true;
}

std::optional<SequenceFile::Lines> DocumentCommands::readOfferingCut(const QString& path) {
    try {
        return SequenceFile::read(path);
    } catch (const OversizedFileError& e) {
        // Too many lines stay refused; only cells can be cut.
        if (e.line() < 0)
            throw;
    }
    if (m_c.prompter.askYesNo(tr("Die Datei enthält zu lange Zellen. Gekürzt öffnen?")) !=
        Answer::Yes)
        return std::nullopt;
    return SequenceFile::read(path, SequenceFile::LongCells::Cut);
}

void DocumentCommands::reportCutLines(const SequenceFile::Lines& lines) {
    // Rows by their text number; the header and rows without a short number by their line
    // in the file, counted as the refusal of such a file counts them.
    constexpr int Named = 10;
    constexpr qsizetype ShortNumber = 16;
    QStringList named;
    for (const int line : lines.cutLines) {
        if (named.size() == Named) {
            named.append(QStringLiteral("…"));
            break;
        }
        const QByteArray number =
            line > 0 ? lines.rows[size_t(line - 1)][SequenceTable::NumberColumn] : QByteArray();
        if (!number.isEmpty() && number.size() <= ShortNumber)
            named.append(tr("Text Nr. %1").arg(Windows1252::toUnicode(number)));
        else
            named.append(tr("Zeile %1").arg(line + 1));
    }
    m_c.prompter.showWarning(tr("Zu lange Zellen wurden auf %1 Zeichen gekürzt in: %2. Die Datei "
                                "bleibt unverändert, bis Sie speichern.")
                                 .arg(SequenceFile::MaxCellBytes)
                                 .arg(named.join(QStringLiteral(", "))));
}

bool DocumentCommands::askToSaveOnClose() {
    return askToSave(tr("Möchten Die die Änderungen in %1 speichern?", "on closing"));
}

void DocumentCommands::openAtStartup(const QString& path, bool required) {
    try {
        const QString untitled = QFileInfo(m_c.document.untitledPath()).absoluteFilePath();
        const QString document = path.isEmpty() ? untitled : QFileInfo(path).absoluteFilePath();
        if (offerRescue(document)) {
            // The work of the last run, under the file's name.
        } else if (!required && document != untitled && offerRescue(untitled)) {
            // The untitled work of a run that ended without a word: no later command opens
            // the untitled document, so the start offers it.
        } else if (!path.isEmpty() && QFileInfo(path).isFile()) {
            // A refused file leaves no document behind that a save could write over it.
            if (!openFile(document))
                startNewDocument();
        } else {
            startNewDocument();
            if (required)
                m_c.prompter.showError(QString::fromUtf8(FileError::cannotOpen(path).what()));
        }
    } catch (const std::exception& e) {
        // A row that does not load into the editor: reported, and the start-up goes on.
        m_c.prompter.showError(QString::fromUtf8(e.what()));
    }
    // The emptied table forgot the colour row 1's marker starts the program with.
    m_c.table.setMarker(1, SequenceTable::Marker::Initial);
}

bool DocumentCommands::offerRescue(const QString& path) {
    const QString rescue = RescueCopy::find(path, m_rescueFolder);
    if (rescue.isEmpty() || (m_ownCopy && m_ownCopy(rescue)))
        return false;
    if (!RescueCopy::isNewerThanDocument(rescue, path)) {
        if (RescueCopy::holdsTheDocument(rescue, path)) {
            // Left behind by a save that took it all in: nothing to keep.
            QFile::remove(rescue);
            return false;
        }
        // The file changed after the copy was taken (elsewhere): the copy may still hold
        // work, so it goes aside rather than being overwritten later.
        qWarning("an older rescue copy was kept as %s", qPrintable(RescueCopy::keepAside(rescue)));
        return false;
    }
    const QString when = Language::dateTimeText(m_c.language(), QFileInfo(rescue).lastModified());
    const Answer answer =
        m_c.prompter.askYesNo(tr("Für %1 gibt es ungesicherte Änderungen vom %2. Wiederherstellen?")
                                  .arg(shown(path), when));
    if (answer != Answer::Yes) {
        const QString aside = RescueCopy::keepAside(rescue);
        qWarning("the rescue copy was kept as %s",
                 qPrintable(shown(aside.isEmpty() ? rescue : aside)));
        return false;
    }
    if (!openFile(rescue))
        return false;
    m_c.document.setDocumentName(path);
    m_c.document.setModified(true);
    emit rescueCopyTaken(rescue);
    return true;
}

bool DocumentCommands::askToSave(const QString& question) {
    if (!m_c.document.isModified())
        return true;
    const Answer answer =
        m_c.prompter.askYesNoCancel(QString(question).arg(shown(m_c.document.currentFile())));
    if (answer == Answer::Cancel)
        return false;
    return answer != Answer::Yes || save();
}

void DocumentCommands::startNewDocument() {
    m_c.table.clear();
    if (!m_c.marks.numbers().isEmpty()) {
        m_c.marks.clear();
        emit marksChanged();
    }
    m_c.selection.select(1);
    m_c.editor.callClearEntry();
    m_c.editor.callShowNumber(QByteArrayLiteral("00010"));
    m_c.document.setDocumentName(m_c.document.untitledPath());
}

bool DocumentCommands::chooseFileAndSave() {
    QString path = m_c.prompter.chooseSaveFile(m_c.document.currentFile(), Filter);
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".lta");
    if (QFileInfo::exists(path) &&
        m_c.prompter.askYesNo(tr("Datei %1 überscheiben?").arg(shown(path))) != Answer::Yes)
        return false;
    if (!write(path))
        return false;
    m_c.document.setDocumentName(path);
    return true;
}

bool DocumentCommands::write(const QString& path) {
    try {
        SequenceFile::save(m_c.table, path);
    } catch (const FileError& e) {
        m_c.prompter.showError(QString::fromUtf8(e.what()));
        return false;
    }
    return true;
}
