#pragma once

#include <QByteArray>

class SequenceTable;

// Free text numbers in steps of ten.
namespace NumberProposal {

// The smallest multiple of ten above the greatest number in the table, as five digits: 00010
// for a table without numbers. Only the first five characters of a number count, and they
// are compared as numbers: a table numbered 1, 2, 3 proposes 00010, not the 00010 that is
// already there ("3" sorts after "00010" byte by byte). Throws ConversionError when the first
// five characters of a number are not a decimal integer.
QByteArray propose(const SequenceTable& table);

// A number as the system writes it: decimal, zeros in front to five characters, and only the
// last five kept (100000 gives 00000).
QByteArray fiveDigits(qint64 value);

} // namespace NumberProposal
