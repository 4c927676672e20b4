#pragma once

#include <QWidget>

class Prompter;
class QFont;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// The text import window: a side window for text pasted from other programs. A selection
// of it becomes a new entry of one of the three kinds with one click; the window hands the
// text over and the entry editor does the rest.
class CopyboardWindow final : public QWidget {
    Q_OBJECT

public:
    enum class Target { Block, Scroll, Flow };

    explicit CopyboardWindow(Prompter& prompter, QWidget* parent = nullptr);

    // Once, after the editors were sized to the display: the text area takes the block
    // editor's font and width, the window a fixed width and its stored left and top edge and
    // height.
    void setUpGeometry(int left, int top, int height, int editorWidth, const QFont& editorFont);
    // The new-entry buttons follow the editing commands (off while playback runs).
    void setNewEntriesEnabled(bool enabled);
    // A display too slow for a flowing text has no flowing-text page to fill.
    void setFlowEntryAvailable(bool available);

    QLabel* label() const { return m_label; }
    QPlainTextEdit* textArea() const { return m_textArea; }
    QPushButton* copyButton() const { return m_copy; }
    QPushButton* insertButton() const { return m_insert; }
    QPushButton* newEntryButton(Target target) const;

    // The selection as plain text with real line breaks: the text area separates its
    // paragraphs by U+2029 in a selection, which no editor reads as a line break.
    QString selectedText() const;

signals:
    // The operator asked for a new entry of this kind from the selected text.
    void newEntryRequested(CopyboardWindow::Target target, const QString& text);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void copySelection();
    void newEntry(Target target);
    void updateNewEntryButtons();

    Prompter& m_prompter;
    QLabel* m_label = nullptr;
    QPlainTextEdit* m_textArea = nullptr;
    QPushButton* m_copy = nullptr;
    QPushButton* m_insert = nullptr;
    QPushButton* m_newBlock = nullptr;
    QPushButton* m_newScroll = nullptr;
    QPushButton* m_newFlow = nullptr;
    bool m_newEntriesEnabled = true;
    bool m_flowEntryAvailable = true;
};
