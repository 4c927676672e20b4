#include "caretpage.h"

#include "caretpreviewpause.h"
#include "editorlines.h"
#include "entryeditorpanel.h"

#include "platform/windows1252.h"

#include <QLineEdit>
#include <QTextEdit>

CaretPage::CaretPage(EntryEditorPanel& panel, QObject* parent)
    : QObject(parent)
    , m_panel(panel) {
    connect(panel.blockEditor(), &QTextEdit::cursorPositionChanged, this, &CaretPage::follow);
    connect(panel.blockEditor(), &QTextEdit::selectionChanged, this, &CaretPage::follow);
}

void CaretPage::follow() {
    if (m_panel.caretPreviewEnabled() && !m_panel.isSimulationRunning())
        show();
}

void CaretPage::show() {
    const CaretPreviewPause pause(m_panel);
    QTextEdit& editor = *m_panel.blockEditor();
    const QList<QLineEdit*>& preview = m_panel.previewLines();
    const int lineCount = static_cast<int>(preview.size());
    const QList<QByteArray> page =
        EditorLines::pageAt(editor, editor.textCursor().selectionStart(), lineCount);
    for (int i = 0; i < lineCount; ++i)
        preview.at(i)->setText(i < page.size() ? Windows1252::toUnicode(page.at(i)) : QString());
}
