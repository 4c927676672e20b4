#pragma once

#include <QByteArray>

// Whole numbers in table cells.
namespace CellNumber {

// A decimal integer: optional blanks in front, an optional sign, digits. Anything else, and
// a value beyond the 32-bit range, throws ConversionError with the message
// "'<cell>' ist kein gültiger Integerwert".
int parse(const QByteArray& cell);

// The decimal text of a value.
QByteArray format(qint64 value);

} // namespace CellNumber
