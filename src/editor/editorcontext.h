#pragma once

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
};
