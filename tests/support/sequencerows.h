#pragma once

#include "sequence/sequencetable.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

#include <initializer_list>
#include <vector>

// Tables for tests: entries made of a number and a note (the text repeats the number), so a
// test can follow an entry by its note after rows moved.
namespace SequenceRows {

inline SequenceTable::Cells entry(const QByteArray& number, const QByteArray& note = {},
                                  const QByteArray& active = "JA") {
    SequenceTable::Cells cells;
    cells[SequenceTable::NumberColumn] = number;
    cells[SequenceTable::ActiveColumn] = active;
    cells[SequenceTable::KindColumn] = "BLOCK";
    cells[SequenceTable::TextColumn] = "TEXT" + number;
    cells[SequenceTable::ParameterColumn] = "3";
    cells[SequenceTable::DurationColumn] = "M3";
    cells[SequenceTable::NoteColumn] = note;
    return cells;
}

// A row from its cells after the marker column, in column order (number, Aktiv, kind, text,
// parameter, duration, note); missing cells stay empty.
inline SequenceTable::Cells cells(const QStringList& parts) {
    SequenceTable::Cells c;
    for (int i = 0; i < parts.size() && i + 1 < SequenceTable::Columns; ++i)
        c[size_t(i + 1)] = parts.at(i).toLatin1();
    return c;
}

// One entry per number, in the order given; the note is "note " and the number.
inline void fill(SequenceTable& table, const QList<QByteArray>& numbers) {
    std::vector<SequenceTable::Cells> rows;
    for (const QByteArray& number : numbers)
        rows.push_back(entry(number, "note " + number));
    table.setRows(rows);
}

inline void fill(SequenceTable& table, std::initializer_list<const char*> numbers) {
    QList<QByteArray> list;
    for (const char* number : numbers)
        list.append(number);
    fill(table, list);
}

inline QList<QByteArray> column(const SequenceTable& table, int column) {
    QList<QByteArray> cells;
    for (int row = 1; row < table.gridRowCount(); ++row)
        cells.append(table.cell(column, row));
    return cells;
}

} // namespace SequenceRows
