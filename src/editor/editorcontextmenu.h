#pragma once

#include <QMenu>

#include <functional>

class QTextEdit;

// The block and scroll editors' own menu: undo, cut, copy, paste, clear and select all on
// the editor of the active page. Pasted text is plain and passes no typing filter.
class EditorContextMenu final : public QMenu {
    Q_OBJECT

public:
    using Target = std::function<QTextEdit*()>;
    explicit EditorContextMenu(Target target, QWidget* parent = nullptr);

    QAction* undoAction() const { return m_undo; }
    QAction* cutAction() const { return m_cut; }
    QAction* copyAction() const { return m_copy; }
    QAction* pasteAction() const { return m_paste; }
    QAction* clearAction() const { return m_clear; }
    QAction* selectAllAction() const { return m_selectAll; }

    // Opens the menu beside the editor that asked for it, at a point of that editor.
    void popUpFor(QWidget* editor, const QPoint& at);

protected:
    void changeEvent(QEvent* event) override;

private:
    QAction* item(const char* name, void (QTextEdit::*action)());
    void paste();
    void retranslate();

    Target m_target;
    QAction* m_undo = nullptr;
    QAction* m_cut = nullptr;
    QAction* m_copy = nullptr;
    QAction* m_paste = nullptr;
    QAction* m_clear = nullptr;
    QAction* m_selectAll = nullptr;
};
