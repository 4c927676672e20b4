#include "renumbering.h"

#include "marklist.h"
#include "numberproposal.h"
#include "sequencetable.h"

#include <QList>

bool Renumbering::isOffered(const SequenceTable& table) {
    return table.holdsEntry(1);
}

bool Renumbering::fits(const SequenceTable& table) {
    return table.gridRowCount() - 1 <= MaximumRows;
}

void Renumbering::apply(SequenceTable& table, MarkList& marks) {
    // Which row each marked number stands in, before the numbers change.
    QList<int> markedRows;
    for (const QByteArray& number : marks.numbers())
        markedRows.append(table.findNumber(number));

    for (int row = 1; row < table.gridRowCount(); ++row)
        table.setCell(SequenceTable::NumberColumn, row, NumberProposal::fiveDigits(row * 10));

    const QList<QByteArray> old = marks.numbers();
    marks.clear();
    for (int i = 0; i < old.size(); ++i)
        marks.append(markedRows[i] > 0 ? table.cell(SequenceTable::NumberColumn, markedRows[i])
                                       : old[i]);
}
