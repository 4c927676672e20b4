#pragma once

#include "activemarks.h"
#include "cellconversionerror.h"
#include "sequencetable.h"
#include "textkind.h"

#include <QByteArray>
#include <QList>

#include <bitset>
#include <initializer_list>
#include <optional>
#include <vector>

struct EntryDecoding;

// One text entry as its fields, decoded from the eight cells of its row and encoded back
// into them. The cell encodings stay those of the table and the file.
struct SequenceEntry {
    // The Aktiv cell holds an active word, an inactive word (of either language), or neither.
    // Readers differ on the last: the editor takes an entry as active only for an active
    // word, playback skips it only for an inactive word.
    enum class Activity { Active, Inactive, Unmarked };
    enum class DurationMode { Minimum, Preset };

    QByteArray number;
    Activity activity = Activity::Active;
    TextKind kind = TextKind::None;
    // Block and scroll text: the display lines. Flowing text: its one line.
    QList<QByteArray> lines;
    // Block text: the page change time; scroll text: the line change time (seconds).
    int changeTime = 3;
    // Flowing text: the step in tenths of a second, the running line (from 1) and the fixed
    // texts of the other lines from top to bottom.
    int flowStep = 5;
    int runningLine = 1;
    QList<QByteArray> fixedLines;
    DurationMode durationMode = DurationMode::Minimum;
    int durationSeconds = 0;
    QList<QByteArray> note;

    bool isActive() const { return activity == Activity::Active; }
    bool isInactive() const { return activity == Activity::Inactive; }
    bool hasPresetDuration() const { return durationMode == DurationMode::Preset; }
    // The flowing text's line; empty when there is none.
    QByteArray flowText() const { return lines.value(0); }

    // Decodes the cells in the order number, Aktiv, Dauer, Hinweis, then the kind with its
    // text and parameters. The first cell that does not convert ends the decode; the fields
    // decoded before it are kept. A flowing text needs lineCount + 1 parameter items. A kind
    // cell that names no kind leaves the lines and timings at their defaults. A Dauer cell
    // whose seconds do not convert still gives its mode.
    static EntryDecoding decode(const SequenceTable::Cells& cells, int lineCount);
    // The same, throwing the CellConversionError of the first cell that does not convert.
    static SequenceEntry fromCells(const SequenceTable::Cells& cells, int lineCount);
    // Decodes only the given cells, each on its own, for a reader that takes a few fields at
    // a time: a cell that does not convert reports its error, and the other cells decode all
    // the same. The text and parameter cells bring
    // the kind cell with them. A flowing text's parameters are taken as the cell holds them,
    // whatever the display's lines (FlowParameters::readAvailable).
    static EntryDecoding decodeEach(const SequenceTable::Cells& cells,
                                    std::initializer_list<SequenceTable::Column> columns);

    // The cells the system writes for this entry; the marker column stays empty, and so do
    // the kind, text and parameter cells of an entry without a kind. The Aktiv cell gets the
    // given language's word, or nothing for an unmarked entry.
    SequenceTable::Cells toCells(const ActiveMarks& marks) const;
};

// What a decode produced: the entry as far as its cells converted, and the errors of the
// cells that did not.
struct EntryDecoding {
    SequenceEntry entry;
    // The first cell, in decode order, that did not convert.
    std::optional<CellConversionError> error;
    // The cells decoded that converted; every cell that did not, in decode order.
    std::bitset<SequenceTable::Columns> convertedCells;
    std::vector<CellConversionError> cellErrors;

    bool complete() const { return !error.has_value(); }
    // True when the decode took this cell and it converted, so the entry's fields from it
    // hold.
    bool decodedCell(int column) const;
    // The error of this cell when it was decoded and did not convert; null otherwise.
    const CellConversionError* errorOf(int column) const;
};
