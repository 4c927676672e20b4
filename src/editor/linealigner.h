#pragma once

#include "linealignment.h"

#include <QObject>

class CaretPage;
class EntryEditorPanel;
class QTextEdit;

// The alignment buttons at work: the lines from the selection's first to its last (the
// caret's line without a selection) are laid out for the display's width, and every editor
// line, also one only wrapped, becomes a line of its own.
class LineAligner final : public QObject {
    Q_OBJECT

public:
    LineAligner(EntryEditorPanel& panel, CaretPage& caretPage, QObject* parent = nullptr);

    void align(QTextEdit& editor, LineAlignment alignment);

private:
    EntryEditorPanel& m_panel;
    CaretPage& m_caretPage;
};
