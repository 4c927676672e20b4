#pragma once

#include <QByteArray>

class MarkList;
class SequenceTable;

// Deleting entries: the selected one, or every marked one in marking order. Deleting the
// only data row empties it instead, so the table keeps one row.
namespace EntryDeletion {

// The marked numbers as the question names them: a comma list in marking order.
QByteArray markedNumbers(const MarkList& marks);

// Deletes one row and takes its number off the list. False when the row holds no entry.
bool deleteRow(SequenceTable& table, MarkList& marks, int row);

// Deletes the row of every listed number, first to last, and empties the list. A number no
// row holds touches no row. Returns how many rows were deleted.
int deleteMarked(SequenceTable& table, MarkList& marks);

} // namespace EntryDeletion
