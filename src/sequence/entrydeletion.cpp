#include "entrydeletion.h"

#include "commalist.h"
#include "marklist.h"
#include "sequencetable.h"

QByteArray EntryDeletion::markedNumbers(const MarkList& marks) {
    return CommaList::write(marks.numbers());
}

bool EntryDeletion::deleteRow(SequenceTable& table, MarkList& marks, int row) {
    if (!table.isDataRow(row) || !table.holdsEntry(row))
        return false;
    marks.remove(table.cell(SequenceTable::NumberColumn, row));
    table.removeDataRow(row);
    return true;
}

int EntryDeletion::deleteMarked(SequenceTable& table, MarkList& marks) {
    int deleted = 0;
    while (!marks.numbers().isEmpty()) {
        const QByteArray number = marks.numbers().first();
        const int row = table.findNumber(number);
        if (row > 0) {
            // The row goes with its marker; the only row is emptied to a normal one.
            table.removeDataRow(row);
            ++deleted;
        }
        marks.remove(number);
    }
    return deleted;
}
