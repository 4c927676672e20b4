#pragma once

class SequenceTable;
struct ActiveMarks;

// The active state of every entry at once, from the Aktiv header's pop-up menu. Neither
// marks the document modified.
namespace EntryActivation {

// Every row that holds an entry becomes active.
void activateAll(SequenceTable& table, const ActiveMarks& marks);
// Every row that holds an entry becomes inactive, except the selected one, so that one
// entry stays active.
void deactivateAll(SequenceTable& table, const ActiveMarks& marks, int selectedRow);

} // namespace EntryActivation
