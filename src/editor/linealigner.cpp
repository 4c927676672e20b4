#include "linealigner.h"

#include "alignmentbuttons.h"
#include "caretpage.h"
#include "caretpreviewpause.h"
#include "editorlines.h"
#include "entryeditorpanel.h"

#include <QTextCursor>
#include <QTextEdit>

LineAligner::LineAligner(EntryEditorPanel& panel, CaretPage& caretPage, QObject* parent)
    : QObject(parent)
    , m_panel(panel)
    , m_caretPage(caretPage) {
    connect(panel.blockAlignment(), &AlignmentButtons::alignRequested, this,
            [this](LineAlignment a) { align(*m_panel.blockEditor(), a); });
    connect(panel.scrollAlignment(), &AlignmentButtons::alignRequested, this,
            [this](LineAlignment a) { align(*m_panel.scrollEditor(), a); });
}

void LineAligner::align(QTextEdit& editor, LineAlignment alignment) {
    const QTextCursor selection = editor.textCursor();
    const int start = selection.selectionStart();
    const int end = selection.selectionEnd();
    {
        const CaretPreviewPause pause(m_panel);
        const int first = EditorLines::lineIndexAt(editor, start);
        const int last = EditorLines::lineIndexAt(editor, end);
        const QList<QByteArray> lines = LineAlignments::alignLines(
            EditorLines::read(editor), first, last, alignment, m_panel.displaySetup().columnCount);
        // Raises the editor's change notification: the entry is pending.
        EditorLines::write(editor, lines);
    }
    // The aligned text may be shorter than the caret's old offset.
    QTextCursor caret = editor.textCursor();
    caret.setPosition(qMin(start, editor.document()->characterCount() - 1));
    editor.setTextCursor(caret);
    // A caret put back where the rewrite left it reports no move: the preview follows anyway.
    if (&editor == m_panel.blockEditor())
        m_caretPage.follow();
}
