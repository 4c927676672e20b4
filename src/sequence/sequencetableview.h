#pragma once

#include <QTableView>

class MarkList;
class RowSelection;
class SequenceTable;

// The grid "Tabelle": whole rows selected, never edited in place, the marker column painted
// in its row's colour. Mouse presses mark rows and toggle the Aktiv cell; header presses ask
// for the search and for the Aktiv menu.
class SequenceTableView final : public QTableView {
    Q_OBJECT

public:
    explicit SequenceTableView(QWidget* parent = nullptr);

    void attach(SequenceTable& table, RowSelection& selection, MarkList& marks);

    static constexpr int ColumnWidths[] = {10, 51, 62, 54, 254, 112, 87, 234};

signals:
    // A press on the header of the number, text or note column.
    void searchRequested(int column);
    // A press on the Aktiv header: the menu opens at this screen position.
    void activeMenuRequested(const QPoint& globalPos);
    // The Aktiv cell of this row was toggled with the right button.
    void activeToggled(int row);
    // A marker cell changed its colour by a click.
    void markerClicked(int row);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    SequenceTable* m_table = nullptr;
    RowSelection* m_selection = nullptr;
    MarkList* m_marks = nullptr;
};
