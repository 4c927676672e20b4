#pragma once

#include "tablesearch.h"

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The find dialog of the table's search: the text, match case, and the direction (down
// preset). Whole words are not offered. It stays open while the operator steps from match to
// match and remembers the column whose header opened it.
class FindDialog final : public QDialog {
    Q_OBJECT

public:
    explicit FindDialog(QWidget* parent = nullptr);

    // Shows the dialog for a column (1, 4 or 7).
    void openFor(int column);
    int column() const { return m_column; }
    TableSearch::Query query() const;

    QLineEdit* textField() const { return m_text; }
    QCheckBox* matchCase() const { return m_matchCase; }
    QCheckBox* wholeWord() const { return m_wholeWord; }
    QRadioButton* up() const { return m_up; }
    QRadioButton* down() const { return m_down; }
    QPushButton* findNextButton() const { return m_findNext; }

protected:
    void changeEvent(QEvent* event) override;

signals:
    void findNext(const TableSearch::Query& query);

private:
    void retranslate();
    int m_column = 1;
    QLineEdit* m_text = nullptr;
    QCheckBox* m_matchCase = nullptr;
    QCheckBox* m_wholeWord = nullptr;
    QRadioButton* m_up = nullptr;
    QRadioButton* m_down = nullptr;
    QPushButton* m_findNext = nullptr;
    QPushButton* m_cancel = nullptr;
    QGroupBox* m_direction = nullptr;
    QLabel* m_label = nullptr;
};
