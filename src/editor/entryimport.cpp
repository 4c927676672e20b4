#include "entryimport.h"

#include "entryeditor.h"
#include "entryeditorpanel.h"

#include <QPlainTextEdit>
#include <QTextEdit>

EntryImport::EntryImport(EntryEditorPanel& panel, EntryEditor& editor,
                         std::function<bool()> newText)
    : m_panel(panel)
    , m_editor(editor)
    , m_newText(std::move(newText)) {
}

void EntryImport::importText(TextKind kind, const QString& text) {
    if (m_newText && !m_newText())
        return;
    m_panel.showKind(kind);
    // Inserted at the caret like a paste: past the typing filters, which only see keys.
    switch (kind) {
    case TextKind::Flow:
        m_panel.flowEditor()->insertPlainText(text);
        break;
    case TextKind::Scroll:
        m_panel.scrollEditor()->insertPlainText(text);
        break;
    default:
        m_panel.blockEditor()->insertPlainText(text);
        break;
    }
    m_editor.commitEntry();
}
