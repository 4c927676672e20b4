#include "entrycommit.h"

#include "editorcontext.h"
#include "editorlines.h"
#include "entryeditorpanel.h"

#include "platform/prompter.h"
#include "platform/windows1252.h"
#include "sequence/columnname.h"
#include "sequence/rowselection.h"
#include "sequence/separatorstospaces.h"
#include "sequence/sequencefile.h"
#include "sequence/sequencetable.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTextCursor>
#include <QTextEdit>

namespace {

TextKind activeKind(const EntryEditorPanel& p) {
    const QWidget* page = p.kindTabs()->currentWidget();
    if (page == p.scrollPage())
        return TextKind::Scroll;
    if (page == p.flowPage())
        return TextKind::Flow;
    return TextKind::Block;
}

} // namespace

EntryCommit::EntryCommit(EditorContext& context, EditorFlags& flags)
    : m_c(context)
    , m_flags(flags)
    , m_takeover(context.table, context.selection) {
}

bool EntryCommit::commitEntry() {
    const QByteArray number = numberFromField();
    if (m_running && m_running(number)) {
        m_c.prompter.showError(tr("Dieser Text läuft gerade!"));
        return false;
    }
    applyReferenceFont();

    // What the warning names for the marks of characters Windows-1252 cannot hold.
    const QStringList unencodable = unencodableCharacters(m_c.panel.currentKind());

    // The rows the takeover appends and sorts load nothing into the editor.
    m_flags.followsSelection = false;
    const EntryTakeover::Outcome outcome = m_takeover.take(request());
    m_flags.followsSelection = true;

    showRefusals(outcome, number);
    if (outcome.taken()) {
        m_flags.entryRow = QPersistentModelIndex(m_c.table.index(outcome.row - 1, 0));
        showDuration(outcome);
        showTexts(outcome, unencodable);
        m_flags.newEntryOnCommit = false;
    }
    if (m_modified)
        m_modified();
    m_c.panel.commitButton()->setEnabled(false);
    m_flags.renameOnCommit = false;
    return outcome.taken();
}

EntryTakeover::Request EntryCommit::request() const {
    EntryTakeover::Request request;
    request.entry = entryFromFields();
    request.durationMinutes = m_c.panel.durationMinutes()->value();
    request.durationSeconds = m_c.panel.durationSeconds()->value();
    request.selectedRow = entryRow();
    request.renameOnCommit = m_flags.renameOnCommit;
    request.newEntry = m_flags.newEntryOnCommit;
    request.display = m_c.panel.displaySetup();
    request.marks = ActiveMarks::forLanguage(m_c.table.languageCode());
    return request;
}

std::unique_ptr<SequenceTable> EntryCommit::tableAfterCommit() const {
    std::unique_ptr<SequenceTable> table = m_c.table.copy();
    RowSelection selection(*table);
    selection.select(entryRow());
    EntryTakeover(*table, selection).take(request());
    return table;
}

int EntryCommit::entryRow() const {
    return m_flags.entryRow.isValid() ? m_flags.entryRow.row() + 1 : m_c.selection.selectedRow();
}

QByteArray EntryCommit::numberFromField() const {
    // The number goes into a cell of a tab-separated file: no separator may stand in it.
    return separatorsToSpaces(Windows1252::fromUnicode(m_c.panel.numberField()->text()));
}

SequenceEntry EntryCommit::entryFromFields() const {
    const EntryEditorPanel& p = m_c.panel;
    SequenceEntry entry;
    entry.number = numberFromField();
    entry.activity = p.activeCheckBox()->isChecked() ? SequenceEntry::Activity::Active
                                                     : SequenceEntry::Activity::Inactive;
    entry.kind = activeKind(p);
    switch (entry.kind) {
    case TextKind::Flow:
        entry.lines = {EditorLines::memoText(p.flowEditor()->toPlainText())};
        entry.flowStep = p.flowStep()->value();
        entry.runningLine = p.flowLine()->value();
        for (const QLineEdit* field : p.flowLineFields())
            entry.fixedLines.append(
                Windows1252::fromUnicode(field->text(), Windows1252::UnencodableMark));
        break;
    case TextKind::Scroll:
        entry.lines = EditorLines::read(*p.scrollEditor());
        entry.changeTime = p.lineTime()->value();
        break;
    default:
        entry.lines = EditorLines::read(*p.blockEditor());
        // The page change time the field holds, not the text it shows: a commit run by the
        // leave guard may find that text half typed or empty, which no reader could convert.
        entry.changeTime = p.pageTime()->value();
        break;
    }
    entry.durationMode = p.byDuration()->isChecked() ? SequenceEntry::DurationMode::Preset
                                                     : SequenceEntry::DurationMode::Minimum;
    entry.note = EditorLines::memoLines(p.noteField()->toPlainText());
    return entry;
}

qint64 EntryCommit::minimumDuration() const {
    return EntryTakeover::minimumDuration(entryFromFields(), m_c.panel.displaySetup());
}

void EntryCommit::applyReferenceFont() {
    EntryEditorPanel& p = m_c.panel;
    for (QTextEdit* editor : {p.blockEditor(), p.scrollEditor()}) {
        const int before = EditorLines::count(*editor);
        editor->setFont(p.referenceLabel()->font());
        editor->moveCursor(QTextCursor::Start);
        if (EditorLines::count(*editor) != before)
            m_c.prompter.showWarning(
                tr("Achtung: Duch die Schriftändeung hat sich die Textformatierung geändert."));
    }
}

void EntryCommit::showRefusals(const EntryTakeover::Outcome& outcome, const QByteArray& number) {
    for (const EntryTakeover::Refusal refusal : outcome.refusals) {
        switch (refusal) {
        case EntryTakeover::Refusal::DuplicateNumber:
            m_c.prompter.showError(
                tr("Text Nr.: %1 existiert bereits.").arg(Windows1252::toUnicode(number)));
            break;
        case EntryTakeover::Refusal::EmptyNumber:
            m_c.prompter.showError(tr("Keine Textnummer eingetragen."));
            break;
        case EntryTakeover::Refusal::CellTooLong:
            showTooLong(outcome);
            break;
        }
    }
}

void EntryCommit::showTooLong(const EntryTakeover::Outcome& outcome) {
    m_c.prompter.showError(
        tr("Der Text ist zu lang: Die Spalte %1 würde %2 Zeichen enthalten; eine Zelle darf "
           "höchstens %3 Zeichen enthalten. Bitte kürzen Sie den Text oder teilen Sie ihn auf "
           "mehrere Texte auf.")
            .arg(columnName(outcome.tooLongColumn))
            .arg(outcome.tooLongSize)
            .arg(SequenceFile::MaxCellBytes));
}

void EntryCommit::showDuration(const EntryTakeover::Outcome& outcome) {
    EntryEditorPanel& p = m_c.panel;
    if (outcome.durationFieldsSet) {
        p.durationMinutes()->setValue(outcome.durationMinutes);
        p.durationSeconds()->setValue(outcome.durationSeconds);
    }
    if (!outcome.durationRaised)
        return;
    p.byDuration()->setChecked(false);
    m_c.prompter.showWarning(
        tr("Achtung: Anzeigedauer ist für diesen Text zu klein gewählt. Die Anzeigedauer wird "
           "automatisch auf Minimalzeit erhöht. Wenn die Anzeigedauer zu groß ist müssen Sie die "
           "Takt-Zeiten im Text reduzieren."));
}

QStringList EntryCommit::unencodableCharacters(TextKind kind) const {
    const EntryEditorPanel& p = m_c.panel;
    // In the order the texts are checked: the flowing text before its fixed lines.
    switch (kind) {
    case TextKind::Flow: {
        QStringList found = Windows1252::unencodable(p.flowEditor()->toPlainText());
        for (const QLineEdit* field : p.flowLineFields())
            found += Windows1252::unencodable(field->text());
        return found;
    }
    case TextKind::Scroll:
        return Windows1252::unencodable(p.scrollEditor()->toPlainText());
    default:
        return Windows1252::unencodable(p.blockEditor()->toPlainText());
    }
}

void EntryCommit::showTexts(const EntryTakeover::Outcome& outcome, const QStringList& unencodable) {
    EntryEditorPanel& p = m_c.panel;
    const SequenceEntry& written = outcome.written;
    switch (written.kind) {
    case TextKind::Flow:
        p.flowEditor()->setPlainText(Windows1252::toUnicode(written.flowText()));
        for (int i = 0; i < p.flowLineFields().size() && i < written.fixedLines.size(); ++i)
            p.flowLineFields().at(i)->setText(Windows1252::toUnicode(written.fixedLines.at(i)));
        break;
    case TextKind::Scroll:
        EditorLines::write(*p.scrollEditor(), written.lines);
        break;
    default:
        EditorLines::write(*p.blockEditor(), written.lines);
        break;
    }
    qsizetype nextUnencodable = 0;
    for (const QByteArray& replaced : outcome.replacedCharacters) {
        QString shown;
        for (const char byte : replaced) {
            if (byte == Windows1252::UnencodableMark && nextUnencodable < unencodable.size())
                shown += unencodable.at(nextUnencodable++);
            else
                shown += Windows1252::toUnicode(QByteArray(1, byte));
        }
        m_c.prompter.showWarning(
            tr("Achtung: Einige Zeichen können von der Anzeige nicht Ausgewertet werden. "
               "Folgende Zeichen wurden durch # ersetzt:") +
            shown);
    }
}
