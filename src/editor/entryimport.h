#pragma once

#include "sequence/textkind.h"

#include <QString>

#include <functional>

class EntryEditor;
class EntryEditorPanel;

// A text taken over from another program becomes a new entry of one kind: "Neuer Text"
// (which may first ask to take pending changes), the kind's page without conversion, the
// text into that page's editor as if pasted, and "OK", which wraps, checks and stores it.
class EntryImport final {
public:
    // newText runs "Neuer Text"; a number it cannot propose (it throws) and pending changes
    // the table refused (it returns false) stop the import there, the editor as it was.
    EntryImport(EntryEditorPanel& panel, EntryEditor& editor, std::function<bool()> newText);

    void importText(TextKind kind, const QString& text);

private:
    EntryEditorPanel& m_panel;
    EntryEditor& m_editor;
    std::function<bool()> m_newText;
};
