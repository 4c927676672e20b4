#pragma once

#include <QPersistentModelIndex>

class EntryEditorPanel;
class Prompter;
class RowSelection;
class SequenceTable;

// What the entry editor works on: its panel's controls, the sequence with its selected row
// and the boxes.
struct EditorContext {
    EntryEditorPanel& panel;
    SequenceTable& table;
    RowSelection& selection;
    Prompter& prompter;
};

// The editor's own flags between the table and the editor.
struct EditorFlags {
    // While set, selecting a row loads its entry; clear only inside a commit.
    bool followsSelection = true;
    // "Nr. ändern": the next commit renames the selected entry; every commit clears it.
    bool renameOnCommit = false;
    // Set while the fields were emptied for a new entry ("Neuer Text", a new document): the
    // next commit makes a new entry and replaces none. Cleared once one was taken and when
    // a row is loaded.
    bool newEntryOnCommit = false;
    // The row whose entry the fields hold: the one loaded or committed last, or the selected
    // one for a new text. Following the show may move the selection on while the fields hold
    // changes; a commit still goes to this row.
    QPersistentModelIndex entryRow;
};
