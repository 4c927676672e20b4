#pragma once

#include <QByteArray>

class MarkList;
class SequenceTable;

// Exchanging two marked entries: each text takes the other's number, the table is sorted
// again, so each text now stands where the other stood, and both marks are removed.
namespace EntryExchange {

// Exactly two numbers are marked.
bool isPossible(const MarkList& marks);

// Exchanges the numbers of the rows of the two marked numbers, sorts the table and unmarks
// both. Returns the row the entry of `selectedRow` stands in afterwards.
int apply(SequenceTable& table, MarkList& marks, int selectedRow);

} // namespace EntryExchange
