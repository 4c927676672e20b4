#include "flowparameters.h"

#include "cellnumber.h"
#include "commalist.h"
#include "conversionerror.h"

#include <QString>

QByteArray FlowParameters::write() const {
    QList<QByteArray> items{CellNumber::format(step), CellNumber::format(line)};
    items += fixedLines;
    return CommaList::write(items);
}

FlowParameters FlowParameters::read(const QByteArray& cell, int lineCount) {
    const QList<QByteArray> items = CommaList::read(cell);
    const int needed = qMax(lineCount, 1) + 1;
    FlowParameters p;
    if (items.size() < 2) {
        // The step or the line is missing: the index error of a short list.
        throw ConversionError(
            QStringLiteral("Listenindex überschreitet das Maximum (%1)").arg(items.size()));
    }
    p.step = CellNumber::parse(items[0]);
    p.line = CellNumber::parse(items[1]);
    if (items.size() < needed)
        throw ConversionError(
            QStringLiteral("Listenindex überschreitet das Maximum (%1)").arg(items.size()));
    p.fixedLines = items.mid(2, needed - 2);
    return p;
}
