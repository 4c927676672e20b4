#include "entrycommit.h"

#include "checkdisplaycharacters.h"
#include "editorcontext.h"
#include "editorlines.h"
#include "jointosingleline.h"
#include "minimumduration.h"
#include "sequence/separatorstospaces.h"

#include "entryeditorpanel.h"
#include "platform/prompter.h"
#include "platform/windows1252.h"
#include "sequence/activemarks.h"
#include "sequence/commalist.h"
#include "sequence/durationcell.h"
#include "sequence/flowparameters.h"
#include "sequence/flowtextcell.h"
#include "sequence/rowselection.h"
#include "sequence/sequencetable.h"
#include "sequence/textkind.h"
#include "windows/language.h"

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

constexpr int MaximumMinutes = 1440;

TextKind activeKind(const EntryEditorPanel& f) {
    const QWidget* page = f.kindTabs()->currentWidget();
    if (page == f.scrollPage())
        return TextKind::Scroll;
    if (page == f.flowPage())
        return TextKind::Flow;
    return TextKind::Block;
}

} // namespace

void EntryCommit::commitEntry() {
    EntryEditorPanel& f = m_c.panel;
    // The number goes into a cell of a tab-separated file: no separator may stand in it.
    const QByteArray number = separatorsToSpaces(Windows1252::fromUnicode(f.numberField()->text()));
    if (m_running && m_running(number)) {
        m_c.prompter.showError(text("Dieser Text läuft gerade!", "This text is just running!"));
        return;
    }
    applyReferenceFont();
    const qint64 minimum = minimumDuration();

    if (!numberRefused(number)) {
        m_flags.followsSelection = false;
        const int row = targetRow(number);
        takeDuration(minimum);
        writeCommonCells(row, number);
        writeKindCells(row);
        m_c.selection.select(m_c.table.sortByNumber(row));
        m_flags.followsSelection = true;
    }

    if (m_modified)
        m_modified();
    f.commitButton()->setEnabled(false);
    m_flags.renameOnCommit = false;
}

qint64 EntryCommit::minimumDuration() const {
    const EntryEditorPanel& f = m_c.panel;
    MinimumDurationInput input;
    input.kind = activeKind(f);
    input.lineCount = m_c.panel.displaySetup().lineCount;
    input.columnCount = m_c.panel.displaySetup().columnCount;
    switch (input.kind) {
    case TextKind::Scroll:
        input.amount = EditorLines::count(*f.scrollEditor());
        input.parameter = f.lineTime()->value();
        break;
    case TextKind::Flow:
        input.amount =
            static_cast<int>(EditorLines::memoText(f.flowEditor()->toPlainText()).size());
        input.parameter = f.flowStep()->value();
        break;
    default:
        input.amount = EditorLines::count(*f.blockEditor());
        input.parameter = f.pageTime()->value();
        break;
    }
    return ::minimumDuration(input);
}

void EntryCommit::applyReferenceFont() {
    EntryEditorPanel& f = m_c.panel;
    for (QTextEdit* editor : {f.blockEditor(), f.scrollEditor()}) {
        const int before = EditorLines::count(*editor);
        editor->setFont(f.referenceLabel()->font());
        editor->moveCursor(QTextCursor::Start);
        if (EditorLines::count(*editor) != before)
            m_c.prompter.showWarning(
                text("Achtung: Duch die Schriftändeung hat sich die Textformatierung geändert.",
                     "Attention: The formatting has changed because the font changed."));
    }
}

bool EntryCommit::numberRefused(const QByteArray& number) {
    bool refused = false;
    const int found = m_c.table.findNumber(number);
    if (found != 0 && found != m_c.selection.selectedRow()) {
        const QString shown = Windows1252::toUnicode(number);
        m_c.prompter.showError(Language::choose(
            m_c.panel.languageCode(), QStringLiteral("Text Nr.: %1 existiert bereits.").arg(shown),
            QStringLiteral("Text No.: %1 already exists.").arg(shown)));
        refused = true;
    }
    if (number.isEmpty()) {
        m_c.prompter.showError(text("Keine Textnummer eingetragen.", "No textnumber!"));
        refused = true;
    }
    return refused;
}

int EntryCommit::targetRow(const QByteArray& number) {
    const int selected = m_c.selection.selectedRow();
    const QByteArray selectedNumber = m_c.table.cell(SequenceTable::NumberColumn, selected);
    if (selectedNumber.isEmpty() || selectedNumber == number || m_flags.renameOnCommit)
        return selected;
    const int row = m_c.table.appendRow();
    m_c.selection.select(row);
    return row;
}

void EntryCommit::takeDuration(qint64 minimum) {
    EntryEditorPanel& f = m_c.panel;
    const qint64 entered = qint64(f.durationMinutes()->value()) * 60 + f.durationSeconds()->value();
    if (f.byDuration()->isChecked() && entered >= minimum)
        return;
    // The minutes field keeps its range: a longer minimum is cut to its limit.
    f.durationMinutes()->setValue(static_cast<int>(qMin<qint64>(minimum / 60, MaximumMinutes)));
    f.durationSeconds()->setValue(static_cast<int>(minimum % 60));
    if (!f.byDuration()->isChecked())
        return;
    f.byDuration()->setChecked(false);
    m_c.prompter.showWarning(
        text("Achtung: Anzeigedauer ist für diesen Text zu klein gewählt. Die Anzeigedauer wird "
             "automatisch auf Minimalzeit erhöht. Wenn die Anzeigedauer zu groß ist müssen Sie die "
             "Takt-Zeiten im Text reduzieren.",
             "Attention: The display period of this text ist choosed too small. The display period "
             "of this text is now set to the minimal time. If then period is to large you have to "
             "choose smaller changing times in the text."));
}

void EntryCommit::writeCommonCells(int row, const QByteArray& number) {
    EntryEditorPanel& f = m_c.panel;
    SequenceTable& table = m_c.table;
    table.setCell(SequenceTable::NumberColumn, row, number);

    // The note's lines are items of its list; a tab inside one would split the file's row.
    QList<QByteArray> note = EditorLines::memoLines(f.noteField()->toPlainText());
    for (QByteArray& line : note)
        line = separatorsToSpaces(line);
    table.setCell(SequenceTable::NoteColumn, row, CommaList::write(note));

    DurationCell duration;
    duration.preset = f.byDuration()->isChecked();
    duration.seconds = f.durationMinutes()->value() * 60 + f.durationSeconds()->value();
    table.setCell(SequenceTable::DurationColumn, row, duration.write());

    const ActiveMarks marks = ActiveMarks::forLanguage(m_c.panel.languageCode());
    table.setCell(SequenceTable::ActiveColumn, row,
                  f.activeCheckBox()->isChecked() ? marks.active : marks.inactive);
    if (!table.anyActive())
        table.setCell(SequenceTable::ActiveColumn, row, marks.active);
}

void EntryCommit::writeKindCells(int row) {
    EntryEditorPanel& f = m_c.panel;
    SequenceTable& table = m_c.table;
    const TextKind kind = activeKind(f);
    table.setCell(SequenceTable::KindColumn, row, TextKindCode::write(kind));
    switch (kind) {
    case TextKind::Flow: {
        const QByteArray flowText =
            checked(joinToSingleLine(EditorLines::memoText(f.flowEditor()->toPlainText())));
        f.flowEditor()->setPlainText(Windows1252::toUnicode(flowText));
        table.setCell(SequenceTable::TextColumn, row, FlowTextCell::write(flowText));
        FlowParameters parameters;
        parameters.step = f.flowStep()->value();
        parameters.line = f.flowLine()->value();
        for (QLineEdit* field : f.flowLineFields()) {
            const QByteArray fixed =
                separatorsToSpaces(checked(Windows1252::fromUnicode(field->text())));
            field->setText(Windows1252::toUnicode(fixed));
            parameters.fixedLines.append(fixed);
        }
        table.setCell(SequenceTable::ParameterColumn, row, parameters.write());
        break;
    }
    case TextKind::Scroll:
        table.setCell(SequenceTable::TextColumn, row,
                      CommaList::write(checkedEditorLines(*f.scrollEditor())));
        table.setCell(SequenceTable::ParameterColumn, row,
                      QByteArray::number(f.lineTime()->value()));
        break;
    default:
        table.setCell(SequenceTable::TextColumn, row,
                      CommaList::write(checkedEditorLines(*f.blockEditor())));
        // The page change time the field holds, not the text it shows: a commit run by the
        // leave guard may find that text half typed or empty, which no reader could convert.
        table.setCell(SequenceTable::ParameterColumn, row,
                      QByteArray::number(f.pageTime()->value()));
        break;
    }
}

QList<QByteArray> EntryCommit::checkedEditorLines(QTextEdit& editor) {
    // The lines are checked as the list they are stored as, and every editor line, also
    // one that was only wrapped, becomes a line of its own. A carriage return passes the
    // check but would end the file's row: it becomes a space.
    QList<QByteArray> lines = CommaList::read(checked(CommaList::write(EditorLines::read(editor))));
    for (QByteArray& line : lines)
        line = separatorsToSpaces(line);
    EditorLines::write(editor, lines);
    return lines;
}

QByteArray EntryCommit::checked(const QByteArray& input) {
    const CheckedText result =
        checkDisplayCharacters(input, m_c.panel.displaySetup().lowerCaseAllowed);
    if (!result.replaced.isEmpty())
        m_c.prompter.showWarning(
            text("Achtung: Einige Zeichen können von der Anzeige nicht Ausgewertet werden. "
                 "Folgende Zeichen wurden durch # ersetzt:",
                 "Attention: Some characters could not be displayed. The following characters "
                 "are set to # :") +
            Windows1252::toUnicode(result.replaced));
    return result.text;
}

QString EntryCommit::text(const char* german, const char* english) const {
    return Language::choose(m_c.panel.languageCode(), german, english);
}
