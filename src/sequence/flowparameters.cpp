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

namespace {

FlowParameters fromItems(const QList<QByteArray>& items) {
    FlowParameters p;
    p.step = CellNumber::parse(items.value(0));
    p.line = CellNumber::parse(items.value(1));
    p.fixedLines = items.mid(2);
    return p;
}

ConversionError indexBeyondList(const QList<QByteArray>& items) {
    return ConversionError(
        QStringLiteral("Listenindex überschreitet das Maximum (%1)").arg(items.size()));
}

} // namespace

FlowParameters FlowParameters::read(const QByteArray& cell, int lineCount) {
    const QList<QByteArray> items = CommaList::read(cell);
    const int needed = qMax(lineCount, 1) + 1;
    // The step or the line is missing: the index error of a short list.
    if (items.size() < 2)
        throw indexBeyondList(items);
    FlowParameters p = fromItems(items);
    if (items.size() < needed)
        throw indexBeyondList(items);
    p.fixedLines = p.fixedLines.first(needed - 2);
    return p;
}

FlowParameters FlowParameters::readAvailable(const QByteArray& cell) {
    return fromItems(CommaList::read(cell));
}
