#pragma once

#include <QByteArray>
#include <QList>
#include <QWidget>

class QCheckBox;
class QLineEdit;
class QScrollArea;

// The small copy of the board beside the editor: one read-only line per display line,
// white on navy in the board's monospaced font, with the check box that plays the edited
// text in it.
class PreviewLines final : public QWidget {
    Q_OBJECT

public:
    explicit PreviewLines(QWidget* parent = nullptr);

    // One line per display line, each with room for columnCount + 1 characters.
    void build(int lineCount, int columnCount);
    const QList<QLineEdit*>& lines() const { return m_lines; }
    QCheckBox* simulationBox() const { return m_simulationBox; }

    // The texts as they are, neither cut nor padded; a line without a text becomes empty.
    void showTexts(const QList<QByteArray>& texts);
    void clearTexts();

    // The font of the board's supervision lines.
    static QFont lineFont();

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    QCheckBox* m_simulationBox = nullptr;
    QScrollArea* m_scrollBox = nullptr;
    QWidget* m_content = nullptr;
    QList<QLineEdit*> m_lines;
};
