#include "entryexchange.h"

#include "marklist.h"
#include "sequencetable.h"

bool EntryExchange::isPossible(const MarkList& marks) {
    return marks.numbers().size() == 2;
}

int EntryExchange::apply(SequenceTable& table, MarkList& marks, int selectedRow) {
    if (!isPossible(marks))
        return selectedRow;
    const QByteArray first = marks.numbers().at(0);
    const QByteArray second = marks.numbers().at(1);
    const int firstRow = table.findNumber(first);
    const int secondRow = table.findNumber(second);
    if (firstRow == 0 || secondRow == 0)
        return selectedRow;
    const QByteArray firstCell = table.cell(SequenceTable::NumberColumn, firstRow);
    const QByteArray secondCell = table.cell(SequenceTable::NumberColumn, secondRow);
    table.setCell(SequenceTable::NumberColumn, firstRow, secondCell);
    table.setCell(SequenceTable::NumberColumn, secondRow, firstCell);
    const int followed = table.sortByNumber(selectedRow);

    while (!marks.numbers().isEmpty()) {
        const QByteArray number = marks.numbers().first();
        const int row = table.findNumber(number);
        if (row > 0)
            table.setMarker(row, SequenceTable::Marker::Normal);
        marks.remove(number);
    }
    return followed;
}
