#pragma once

class MainWindowForm;
class Prompter;
class RowSelection;
class SequenceTable;
struct ShellState;

// What the entry editor works on: the main window's controls, the sequence with its
// selected row, the shell values and the boxes.
struct EditorContext {
    MainWindowForm& form;
    SequenceTable& table;
    RowSelection& selection;
    const ShellState& shell;
    Prompter& prompter;
};

// The editor's own flags between the table and the editor.
struct EditorFlags {
    // While set, selecting a row loads its entry; clear only inside a commit.
    bool followsSelection = true;
    // "Nr. ändern": the next commit renames the selected entry; every commit clears it.
    bool renameOnCommit = false;
};
