#pragma once

#include <QByteArray>

class SequenceTable;

// Free text numbers in steps of ten.
namespace NumberProposal {

// The smallest multiple of ten above the greatest number in the table (numbers compared byte
// by byte, as the table sorts them; only the first five characters count), as five digits:
// 00010 for a table without numbers. Throws ConversionError when those five characters are
// not a decimal integer.
QByteArray propose(const SequenceTable& table);

// A number as the system writes it: decimal, zeros in front to five characters, and only the
// last five kept (100000 gives 00000).
QByteArray fiveDigits(qint64 value);

} // namespace NumberProposal
