#pragma once

#include "editorhooks.h"

#include <QString>

#include <functional>

class DocumentState;
class MarkList;
class Prompter;
class RowSelection;
class SequenceTable;

// What the table and file commands work on: the table with its selection and marks, the
// document, the boxes, the entry editor, and the language whose Aktiv words they write.
struct CommandContext {
    SequenceTable& table;
    RowSelection& selection;
    MarkList& marks;
    DocumentState& document;
    Prompter& prompter;
    EditorHooks editor;
    std::function<QString()> languageCode;

    QString language() const { return languageCode ? languageCode() : QStringLiteral("D"); }
};
