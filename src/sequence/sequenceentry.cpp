#include "sequenceentry.h"

#include "cellnumber.h"
#include "commalist.h"
#include "durationcell.h"
#include "flowparameters.h"
#include "flowtextcell.h"

#include <QString>

#include <array>

namespace {

using Column = SequenceTable::Column;

// The cells in the order they are decoded.
constexpr std::array<Column, 7> DecodeOrder{
    SequenceTable::NumberColumn,   SequenceTable::ActiveColumn, SequenceTable::DurationColumn,
    SequenceTable::NoteColumn,     SequenceTable::KindColumn,   SequenceTable::TextColumn,
    SequenceTable::ParameterColumn};

int decodePosition(int column) {
    for (size_t i = 0; i < DecodeOrder.size(); ++i)
        if (DecodeOrder[i] == column)
            return static_cast<int>(i);
    return -1;
}

SequenceEntry::Activity activityOf(const QByteArray& cell) {
    if (ActiveMarks::isActive(cell))
        return SequenceEntry::Activity::Active;
    if (ActiveMarks::isInactive(cell))
        return SequenceEntry::Activity::Inactive;
    return SequenceEntry::Activity::Unmarked;
}

// Runs one cell's reader; its conversion error names the cell.
template <typename Read> void decodeCell(Column column, Read read) {
    try {
        read();
    } catch (const CellConversionError&) {
        throw;
    } catch (const ConversionError& e) {
        throw CellConversionError(QString::fromUtf8(e.what()), column);
    }
}

void decodeKindCells(const SequenceTable::Cells& cells, int lineCount, SequenceEntry& entry) {
    const QByteArray& text = cells[SequenceTable::TextColumn];
    const QByteArray& parameter = cells[SequenceTable::ParameterColumn];
    switch (entry.kind) {
    case TextKind::Block:
    case TextKind::Scroll:
        entry.lines = CommaList::read(text);
        decodeCell(SequenceTable::ParameterColumn,
                   [&] { entry.changeTime = CellNumber::parse(parameter); });
        break;
    case TextKind::Flow:
        entry.lines = {FlowTextCell::read(text)};
        decodeCell(SequenceTable::ParameterColumn, [&] {
            const FlowParameters flow = FlowParameters::read(parameter, lineCount);
            entry.flowStep = flow.step;
            entry.runningLine = flow.line;
            entry.fixedLines = flow.fixedLines;
        });
        break;
    case TextKind::None:
        break;
    }
}

} // namespace

EntryDecoding SequenceEntry::decode(const SequenceTable::Cells& cells, int lineCount) {
    EntryDecoding result;
    SequenceEntry& entry = result.entry;
    try {
        entry.number = cells[SequenceTable::NumberColumn];
        entry.activity = activityOf(cells[SequenceTable::ActiveColumn]);
        decodeCell(SequenceTable::DurationColumn, [&] {
            const DurationCell duration = DurationCell::read(cells[SequenceTable::DurationColumn]);
            entry.durationMode = duration.preset ? DurationMode::Preset : DurationMode::Minimum;
            entry.durationSeconds = duration.seconds;
        });
        entry.note = CommaList::read(cells[SequenceTable::NoteColumn]);
        entry.kind = TextKindCode::read(cells[SequenceTable::KindColumn]);
        decodeKindCells(cells, lineCount, entry);
    } catch (const CellConversionError& e) {
        result.error = e;
    }
    return result;
}

SequenceEntry SequenceEntry::fromCells(const SequenceTable::Cells& cells, int lineCount) {
    EntryDecoding decoding = decode(cells, lineCount);
    if (decoding.error)
        throw *decoding.error;
    return decoding.entry;
}

SequenceTable::Cells SequenceEntry::toCells(const ActiveMarks& marks) const {
    SequenceTable::Cells cells;
    cells[SequenceTable::NumberColumn] = number;
    if (activity == Activity::Active)
        cells[SequenceTable::ActiveColumn] = marks.active;
    else if (activity == Activity::Inactive)
        cells[SequenceTable::ActiveColumn] = marks.inactive;
    cells[SequenceTable::KindColumn] = TextKindCode::write(kind);
    switch (kind) {
    case TextKind::Block:
    case TextKind::Scroll:
        cells[SequenceTable::TextColumn] = CommaList::write(lines);
        cells[SequenceTable::ParameterColumn] = CellNumber::format(changeTime);
        break;
    case TextKind::Flow: {
        cells[SequenceTable::TextColumn] = FlowTextCell::write(flowText());
        FlowParameters flow;
        flow.step = flowStep;
        flow.line = runningLine;
        flow.fixedLines = fixedLines;
        cells[SequenceTable::ParameterColumn] = flow.write();
        break;
    }
    case TextKind::None:
        break;
    }
    DurationCell duration;
    duration.preset = hasPresetDuration();
    duration.seconds = durationSeconds;
    cells[SequenceTable::DurationColumn] = duration.write();
    cells[SequenceTable::NoteColumn] = CommaList::write(note);
    return cells;
}

bool EntryDecoding::decodedCell(int column) const {
    if (!error)
        return true;
    const int position = decodePosition(column);
    return position >= 0 && position < decodePosition(error->column());
}
