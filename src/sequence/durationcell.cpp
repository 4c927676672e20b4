#include "durationcell.h"

#include "cellnumber.h"

QByteArray DurationCell::write() const {
    return (preset ? QByteArrayLiteral("V") : QByteArrayLiteral("M")) + CellNumber::format(seconds);
}

DurationCell DurationCell::read(const QByteArray& cell) {
    DurationCell d;
    d.preset = readsPreset(cell);
    d.seconds = CellNumber::parse(cell.mid(1));
    return d;
}
