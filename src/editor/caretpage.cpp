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
    const QList<QByteArray> lines = EditorLines::read(editor);
    const QList<QLineEdit*>& preview = m_panel.previewLines();
    const int lineCount = static_cast<int>(preview.size());
    if (lineCount == 0)
        return;
    const int caretLine = EditorLines::lineIndexAt(editor, editor.textCursor().selectionStart());
    const int first = caretLine / lineCount * lineCount;
    for (int i = 0; i < lineCount; ++i) {
        const int line = first + i;
        preview.at(i)->setText(line < lines.size() ? Windows1252::toUnicode(lines.at(line))
                                                   : QString());
    }
}
