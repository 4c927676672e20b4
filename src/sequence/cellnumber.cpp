#include "cellnumber.h"

#include "conversionerror.h"

#include "platform/windows1252.h"

#include <limits>

namespace CellNumber {

int parse(const QByteArray& cell) {
    int i = 0;
    const int n = cell.size();
    while (i < n && cell[i] == ' ')
        ++i;
    bool negative = false;
    if (i < n && (cell[i] == '+' || cell[i] == '-')) {
        negative = cell[i] == '-';
        ++i;
    }
    const int firstDigit = i;
    qint64 value = 0;
    while (i < n && cell[i] >= '0' && cell[i] <= '9') {
        value = value * 10 + (cell[i] - '0');
        if (value > qint64(std::numeric_limits<int>::max()) + 1)
            break;
        ++i;
    }
    if (negative)
        value = -value;
    if (i == firstDigit || i != n || value > std::numeric_limits<int>::max() ||
        value < std::numeric_limits<int>::min())
        throw ConversionError(
            QStringLiteral("'%1' ist kein gültiger Integerwert").arg(Windows1252::toUnicode(cell)));
    return static_cast<int>(value);
}

QByteArray format(qint64 value) {
    return QByteArray::number(value);
}

} // namespace CellNumber
