#pragma once

class MarkList;
class SequenceTable;

// The marking list names entries by number, and a number can leave the table while it is
// listed (renamed, or a new or other sequence opened). Commands that act on the list first
// drop such numbers: they touch no row and would only mislead a question.
namespace MarkCleanup {

// Removes every listed number that no row holds; true when any was removed.
bool dropUnheld(const SequenceTable& table, MarkList& marks);

} // namespace MarkCleanup
