#pragma once

#include <QList>
#include <QWidget>

class QLineEdit;

// The fixed texts of the flowing text's other display lines: one field per display line but
// the running one, in display order, each as wide as a display line in the editor's
// reference font and holding at most that many characters.
class FlowLineFields final : public QWidget {
    Q_OBJECT

public:
    explicit FlowLineFields(QWidget* parent = nullptr);

    // lineCount - 1 empty fields; unless lower case is allowed, typed and pasted letters
    // become capitals.
    void build(int lineCount, int columnCount, bool lowerCaseAllowed, const QFont& font);
    const QList<QLineEdit*>& fields() const { return m_fields; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    QList<QLineEdit*> m_fields;
};
