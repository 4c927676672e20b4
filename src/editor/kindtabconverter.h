#pragma once

#include "sequence/textkind.h"

class EntryEditorPanel;
class Prompter;

// Carries the text over when the operator changes the kind tab: into the block or scroll
// editor as it stands, into the flowing text joined into one line once the operator agreed
// to lose the layout. Refused, the previous tab comes back and no text changes. The focus
// goes into the editor of the tab that is shown afterwards.
class KindTabConverter final {
public:
    KindTabConverter(EntryEditorPanel& panel, Prompter& prompter)
        : m_panel(panel)
        , m_prompter(prompter) {}

    void convert(TextKind from, TextKind to);

private:
    EntryEditorPanel& m_panel;
    Prompter& m_prompter;
};
