#include "numberproposal.h"

#include "cellnumber.h"
#include "sequencetable.h"

#include <optional>

QByteArray NumberProposal::propose(const SequenceTable& table) {
    std::optional<qint64> greatest;
    for (int row = 1; row < table.gridRowCount(); ++row) {
        const QByteArray number = table.cell(SequenceTable::NumberColumn, row);
        if (number.isEmpty())
            continue;
        const qint64 value = CellNumber::parse(number.left(5));
        if (!greatest || *greatest < value)
            greatest = value;
    }
    if (!greatest)
        return fiveDigits(10);
    return fiveDigits((*greatest + 10) / 10 * 10);
}

QByteArray NumberProposal::fiveDigits(qint64 value) {
    return CellNumber::format(value).rightJustified(5, '0').right(5);
}
