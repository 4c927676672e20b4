#include "sequenceentry.h"

#include "cellnumber.h"
#include "commalist.h"
#include "durationcell.h"
#include "flowparameters.h"
#include "flowtextcell.h"

#include <QString>

#include <array>

namespace {

using Cells = SequenceTable::Cells;
using Column = SequenceTable::Column;
using ColumnSet = std::bitset<SequenceTable::Columns>;

// The cells in the order they are decoded; the text and parameter cells follow the kind.
constexpr std::array<Column, 7> DecodeOrder{
    SequenceTable::NumberColumn,   SequenceTable::ActiveColumn, SequenceTable::DurationColumn,
    SequenceTable::NoteColumn,     SequenceTable::KindColumn,   SequenceTable::TextColumn,
    SequenceTable::ParameterColumn};

SequenceEntry::Activity activityOf(const QByteArray& cell) {
    if (ActiveMarks::isActive(cell))
        return SequenceEntry::Activity::Active;
    if (ActiveMarks::isInactive(cell))
        return SequenceEntry::Activity::Inactive;
    return SequenceEntry::Activity::Unmarked;
}

void decodeParameter(const QByteArray& cell, std::optional<int> lineCount, SequenceEntry& entry) {
    switch (entry.kind) {
    case TextKind::Block:
    case TextKind::Scroll:
        entry.changeTime = CellNumber::parse(cell);
        break;
    case TextKind::Flow: {
        const FlowParameters flow = lineCount ? FlowParameters::read(cell, *lineCount)
                                              : FlowParameters::readAvailable(cell);
        entry.flowStep = flow.step;
        entry.runningLine = flow.line;
        entry.fixedLines = flow.fixedLines;
        break;
    }
    case TextKind::None:
        break;
    }
}

// One cell into the entry's fields. Without a line count a flowing text's parameters are
// taken as the cell holds them.
void decodeCell(const QByteArray& cell, Column column, std::optional<int> lineCount,
                SequenceEntry& entry) {
    using Mode = SequenceEntry::DurationMode;
    switch (column) {
    case SequenceTable::NumberColumn:
        entry.number = cell;
        break;
    case SequenceTable::ActiveColumn:
        entry.activity = activityOf(cell);
        break;
    case SequenceTable::DurationColumn:
        entry.durationMode = DurationCell::readsPreset(cell) ? Mode::Preset : Mode::Minimum;
        entry.durationSeconds = DurationCell::read(cell).seconds;
        break;
    case SequenceTable::NoteColumn:
        entry.note = CommaList::read(cell);
        break;
    case SequenceTable::KindColumn:
        entry.kind = TextKindCode::read(cell);
        break;
    case SequenceTable::TextColumn:
        if (entry.kind == TextKind::Flow)
            entry.lines = {FlowTextCell::read(cell)};
        else if (entry.kind != TextKind::None)
            entry.lines = CommaList::read(cell);
        break;
    case SequenceTable::ParameterColumn:
        decodeParameter(cell, lineCount, entry);
        break;
    default:
        break;
    }
}

// Decodes the wanted cells in decode order; a cell's conversion error names the cell.
EntryDecoding decodeCells(const Cells& cells, const ColumnSet& wanted, std::optional<int> lineCount,
                          bool stopAtFirstError) {
    EntryDecoding result;
    for (const Column column : DecodeOrder) {
        if (!wanted.test(column))
            continue;
        try {
            decodeCell(cells[column], column, lineCount, result.entry);
            result.convertedCells.set(column);
        } catch (const ConversionError& e) {
            result.cellErrors.emplace_back(QString::fromUtf8(e.what()), column);
            if (!result.error)
                result.error = result.cellErrors.front();
            if (stopAtFirstError)
                break;
        }
    }
    return result;
}

} // namespace

EntryDecoding SequenceEntry::decode(const SequenceTable::Cells& cells, int lineCount) {
    ColumnSet every;
    for (const Column column : DecodeOrder)
        every.set(column);
    return decodeCells(cells, every, lineCount, true);
}

EntryDecoding SequenceEntry::decodeEach(const SequenceTable::Cells& cells,
                                        std::initializer_list<SequenceTable::Column> columns) {
    ColumnSet wanted;
    for (const Column column : columns)
        wanted.set(column);
    // The text and the parameters are read for their kind.
    if (wanted.test(SequenceTable::TextColumn) || wanted.test(SequenceTable::ParameterColumn))
        wanted.set(SequenceTable::KindColumn);
    return decodeCells(cells, wanted, std::nullopt, false);
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
    return column >= 0 && column < SequenceTable::Columns && convertedCells.test(size_t(column));
}

const CellConversionError* EntryDecoding::errorOf(int column) const {
    for (const CellConversionError& e : cellErrors)
        if (e.column() == column)
            return &e;
    return nullptr;
}
