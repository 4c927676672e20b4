#include "tablesearch.h"

#include "sequencetable.h"

#include "platform/windows1252.h"

namespace {

bool matches(const SequenceTable& table, int row, const TableSearch::Query& query,
             const QString& wanted) {
    const QString cell = Windows1252::toUnicode(table.cell(query.column, row));
    return query.matchCase ? cell.contains(wanted) : cell.toUpper().contains(wanted);
}

} // namespace

int TableSearch::findNext(const SequenceTable& table, const Query& query, int selectedRow) {
    if (query.text.isEmpty())
        return 0;
    const QString wanted = query.matchCase ? query.text : query.text.toUpper();
    const int last = table.gridRowCount() - 1;
    const int selected = qBound(1, selectedRow, last);
    const int step = query.down ? 1 : -1;
    int first = selected;
    if (query.down && selected < last)
        first = selected + 1;
    else if (!query.down && selected > 1)
        first = selected - 1;

    int row = first;
    do {
        if (matches(table, row, query, wanted))
            return row;
        row += step;
        if (row > last)
            row = 1;
        else if (row < 1)
            row = last;
    } while (row != first);
    return 0;
}
