#include "entryactivation.h"

#include "activemarks.h"
#include "sequencetable.h"

namespace {

void setAll(SequenceTable& table, const QByteArray& word) {
    for (int row = 1; row < table.gridRowCount(); ++row) {
        if (table.holdsEntry(row))
            table.setCell(SequenceTable::ActiveColumn, row, word);
    }
}

} // namespace

void EntryActivation::activateAll(SequenceTable& table, const ActiveMarks& marks) {
    setAll(table, marks.active);
}

void EntryActivation::deactivateAll(SequenceTable& table, const ActiveMarks& marks,
                                    int selectedRow) {
    setAll(table, marks.inactive);
    if (table.isDataRow(selectedRow) && table.holdsEntry(selectedRow))
        table.setCell(SequenceTable::ActiveColumn, selectedRow, marks.active);
}
