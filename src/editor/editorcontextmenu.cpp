#include "editorcontextmenu.h"

#include <QApplication>
#include <QClipboard>
#include <QEvent>
#include <QTextCursor>
#include <QTextEdit>

EditorContextMenu::EditorContextMenu(Target target, QWidget* parent)
    : QMenu(parent)
    , m_target(std::move(target)) {
    setObjectName(QStringLiteral("PopupMenu2"));
    m_undo = item("Rckgngig1", &QTextEdit::undo);
    addSeparator();
    m_cut = item("Ausschneiden1", &QTextEdit::cut);
    m_copy = item("Kopieren1", &QTextEdit::copy);
    m_paste = addAction(QString(), this, &EditorContextMenu::paste);
    m_paste->setObjectName(QStringLiteral("Einfgen1"));
    m_clear = addAction(QString(), this, [this] {
        if (QTextEdit* editor = m_target())
            editor->textCursor().removeSelectedText();
    });
    m_clear->setObjectName(QStringLiteral("Lschen1"));
    addSeparator();
    m_selectAll = item("AllesMarkieren1", &QTextEdit::selectAll);
    retranslate();
}

QAction* EditorContextMenu::item(const char* name, void (QTextEdit::*action)()) {
    QAction* a = addAction(QString(), this, [this, action] {
        if (QTextEdit* editor = m_target())
            (editor->*action)();
    });
    a->setObjectName(QLatin1String(name));
    return a;
}

void EditorContextMenu::paste() {
    QTextEdit* editor = m_target();
    if (!editor)
        return;
    QTextCursor cursor = editor->textCursor();
    cursor.insertText(QApplication::clipboard()->text());
    editor->setTextCursor(cursor);
}

void EditorContextMenu::popUpFor(QWidget* editor, const QPoint& at) {
    popup(editor->mapToGlobal(at));
}

void EditorContextMenu::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QMenu::changeEvent(event);
}

void EditorContextMenu::retranslate() {
    m_undo->setText(tr("&Rückgängig"));
    m_cut->setText(tr("&Ausschneiden"));
    m_copy->setText(tr("&Kopieren"));
    m_paste->setText(tr("&Einfügen"));
    m_clear->setText(tr("&Löschen"));
    m_selectAll->setText(tr("Alles &markieren"));
}
