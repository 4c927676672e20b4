#pragma once

#include "entryeditorpanel.h"

// Keeps the caret preview off while the owner moves the block editor's caret or replaces its
// text, and restores it however the scope is left, an exception included: a preview left off
// would never follow the caret again.
class CaretPreviewPause final {
public:
    explicit CaretPreviewPause(EntryEditorPanel& panel)
        : m_panel(panel)
        , m_was(panel.caretPreviewEnabled()) {
        m_panel.setCaretPreviewEnabled(false);
    }
    ~CaretPreviewPause() { m_panel.setCaretPreviewEnabled(m_was); }
    CaretPreviewPause(const CaretPreviewPause&) = delete;
    CaretPreviewPause& operator=(const CaretPreviewPause&) = delete;

private:
    EntryEditorPanel& m_panel;
    bool m_was;
};
