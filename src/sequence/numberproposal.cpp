#include "numberproposal.h"

#include "cellnumber.h"
#include "sequencetable.h"

QByteArray NumberProposal::propose(const SequenceTable& table) {
    QByteArray greatest;
    for (int row = 1; row < table.gridRowCount(); ++row) {
        const QByteArray number = table.cell(SequenceTable::NumberColumn, row);
        if (greatest < number)
            greatest = number;
    }
    if (greatest.isEmpty())
        return fiveDigits(10);
    const qint64 a = CellNumber::parse(greatest.left(5));
    return fiveDigits((a + 10) / 10 * 10);
}

QByteArray NumberProposal::fiveDigits(qint64 value) {
    return CellNumber::format(value).rightJustified(5, '0').right(5);
}
