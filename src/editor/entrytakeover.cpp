#include "entrytakeover.h"

#include "checkdisplaycharacters.h"
#include "jointosingleline.h"
#include "minimumduration.h"

#include "sequence/commalist.h"
#include "sequence/rowselection.h"
#include "sequence/separatorstospaces.h"
#include "sequence/sequencefile.h"
#include "sequence/sequencetable.h"

namespace {

constexpr int MaximumMinutes = 1440;

// Makes one text displayable and notes what it had replaced.
QByteArray checked(const QByteArray& text, bool lowerCaseAllowed,
                   QList<QByteArray>& replacedCharacters) {
    const CheckedText result = checkDisplayCharacters(text, lowerCaseAllowed);
    if (!result.replaced.isEmpty())
        replacedCharacters.append(result.replaced);
    return result.text;
}

} // namespace

qint64 EntryTakeover::minimumDuration(const SequenceEntry& entry, const DisplaySetup& display) {
    MinimumDurationInput input;
    input.kind = entry.kind == TextKind::None ? TextKind::Block : entry.kind;
    input.lineCount = display.lineCount;
    input.columnCount = display.columnCount;
    switch (input.kind) {
    case TextKind::Flow:
        input.amount = static_cast<int>(entry.flowText().size());
        input.parameter = entry.flowStep;
        break;
    default:
        input.amount = static_cast<int>(entry.lines.size());
        input.parameter = entry.changeTime;
        break;
    }
    return ::minimumDuration(input);
}

EntryTakeover::Outcome EntryTakeover::take(const Request& request) {
    Outcome outcome;
    const qint64 minimum = minimumDuration(request.entry, request.display);
    outcome.refusals = numberRefusals(request.entry.number, request.selectedRow, request.newEntry);
    if (!outcome.taken())
        return outcome;

    outcome.written = request.entry;
    setDuration(request, minimum, outcome);
    makeDisplayable(request.display, outcome);
    const SequenceTable::Cells written = outcome.written.toCells(request.marks);
    if (!cellsFit(written, outcome))
        return outcome;
    const int row = targetRow(request.entry.number, request.selectedRow, request.renameOnCommit,
                              request.newEntry);
    writeCells(row, written, request.marks);
    outcome.row = m_table.sortByNumber(row);
    m_selection.select(outcome.row);
    return outcome;
}

QList<EntryTakeover::Refusal> EntryTakeover::numberRefusals(const QByteArray& number,
                                                            int selectedRow, bool newEntry) const {
    QList<Refusal> refusals;
    const int found = m_table.findNumber(number);
    if (found != 0 && (found != selectedRow || newEntry))
        refusals.append(Refusal::DuplicateNumber);
    if (number.isEmpty())
        refusals.append(Refusal::EmptyNumber);
    return refusals;
}

int EntryTakeover::targetRow(const QByteArray& number, int selectedRow, bool rename,
                             bool newEntry) {
    // The selected entry under its own number, or renamed, or an empty row: that row.
    // Another number, or a new entry, makes a new entry.
    const QByteArray selectedNumber = m_table.cell(SequenceTable::NumberColumn, selectedRow);
    if (selectedNumber.isEmpty() || (!newEntry && (selectedNumber == number || rename)))
        return selectedRow;
    const int row = m_table.appendRow();
    m_selection.select(row);
    return row;
}

void EntryTakeover::setDuration(const Request& request, qint64 minimum, Outcome& outcome) {
    SequenceEntry& entry = outcome.written;
    const qint64 entered = qint64(request.durationMinutes) * 60 + request.durationSeconds;
    int minutes = request.durationMinutes;
    int seconds = request.durationSeconds;
    if (!entry.hasPresetDuration() || entered < minimum) {
        outcome.durationRaised = entry.hasPresetDuration();
        entry.durationMode = SequenceEntry::DurationMode::Minimum;
        // The minutes field keeps its range: a longer minimum is cut to its limit.
        minutes = static_cast<int>(qMin<qint64>(minimum / 60, MaximumMinutes));
        seconds = static_cast<int>(minimum % 60);
        outcome.durationFieldsSet = true;
    }
    outcome.durationMinutes = minutes;
    outcome.durationSeconds = seconds;
    entry.durationSeconds = minutes * 60 + seconds;
}

void EntryTakeover::makeDisplayable(const DisplaySetup& display, Outcome& outcome) {
    SequenceEntry& entry = outcome.written;
    QList<QByteArray>& replaced = outcome.replacedCharacters;
    const bool lower = display.lowerCaseAllowed;
    // The note's lines are items of its list; a tab inside one would split the file's row.
    for (QByteArray& line : entry.note)
        line = separatorsToSpaces(line);
    if (entry.kind == TextKind::Flow) {
        entry.lines = {checked(joinToSingleLine(entry.flowText()), lower, replaced)};
        for (QByteArray& fixed : entry.fixedLines)
            fixed = separatorsToSpaces(checked(fixed, lower, replaced));
        return;
    }
    // The lines are checked as the list they are stored as, each editor line, also one that
    // was only wrapped, a line of its own. A carriage return passes the check but would end
    // the file's row: it becomes a space.
    entry.lines = CommaList::read(checked(CommaList::write(entry.lines), lower, replaced));
    for (QByteArray& line : entry.lines)
        line = separatorsToSpaces(line);
}

bool EntryTakeover::cellsFit(const SequenceTable::Cells& cells, Outcome& outcome) {
    for (int column = 0; column < SequenceTable::Columns; ++column) {
        const QByteArray& cell = cells[size_t(column)];
        if (!SequenceFile::fitsCell(cell.size())) {
            outcome.refusals.append(Refusal::CellTooLong);
            outcome.tooLongColumn = column;
            outcome.tooLongSize = cell.size();
            return false;
        }
    }
    return true;
}

void EntryTakeover::writeCells(int row, const SequenceTable::Cells& written,
                               const ActiveMarks& marks) {
    SequenceTable::Cells cells = m_table.rowCells(row);
    for (int column = SequenceTable::NumberColumn; column < SequenceTable::Columns; ++column)
        cells[size_t(column)] = written[size_t(column)];
    m_table.setRowCells(row, cells);
    // The at-least-one-active rule: the last active entry cannot be switched off.
    if (!m_table.anyActive())
        m_table.setCell(SequenceTable::ActiveColumn, row, marks.active);
}
