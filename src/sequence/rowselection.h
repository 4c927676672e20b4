#pragma once

#include <QObject>

class QItemSelectionModel;
class SequenceTable;

// The selected row of the sequence table (the blue bar), in grid rows. The table view
// shares its selection model, so the core and the view see one selection.
class RowSelection final : public QObject {
    Q_OBJECT

public:
    explicit RowSelection(SequenceTable& table, QObject* parent = nullptr);

    QItemSelectionModel* model() const { return m_model; }
    // The selected grid row; 1 when nothing is selected (the grid always has a row).
    int selectedRow() const;
    // Selects a whole data row; ignored outside the data rows.
    void select(int row);
    // The operator pressed the selected row. After the selected row was removed the bar
    // stands on a row that was never reported: pressing it reports it; otherwise nothing.
    void choose(int row);

signals:
    // A different row became selected (by mouse, keyboard or program).
    void rowSelected(int row);

private:
    SequenceTable& m_table;
    QItemSelectionModel* m_model = nullptr;
    int m_lastRow = 1;
    bool m_removingRows = false;
    bool m_selectedRemoved = false;
};
