#include "rowselection.h"

#include "sequencetable.h"

#include <QItemSelectionModel>

RowSelection::RowSelection(SequenceTable& table, QObject* parent)
    : QObject(parent)
    , m_table(table) {
    // Removing the selected row moves the current index to a neighbour while the rows are
    // about to go. Connected before the selection model exists, so that this runs first: the
    // move selects nothing, and the editor keeps the removed entry.
    connect(&table, &QAbstractItemModel::rowsAboutToBeRemoved, this,
            [this](const QModelIndex&, int first, int last) {
                m_removingRows = true;
                const int current = m_model->currentIndex().row();
                m_selectedRemoved = current >= first && current <= last;
            });
    m_model = new QItemSelectionModel(&table, this);
    connect(m_model, &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (!current.isValid() || m_removingRows)
                    return;
                const int row = current.row() + 1;
                if (row == m_lastRow)
                    return;
                m_lastRow = row;
                emit rowSelected(row);
            });
    // A sort or a removal moves the current index; the selection follows without a signal.
    auto track = [this] {
        m_removingRows = false;
        const QModelIndex current = m_model->currentIndex();
        if (current.isValid())
            m_lastRow = current.row() + 1;
        // The bar moved onto a neighbour of a removed selected row: that row was never
        // reported, so choosing it again is news.
        if (m_selectedRemoved)
            m_lastRow = 0;
        m_selectedRemoved = false;
    };
    connect(&table, &QAbstractItemModel::layoutChanged, this, track);
    connect(&table, &QAbstractItemModel::rowsRemoved, this, track);
    // After a reset nothing is selected: the next selection is news, also of row 1.
    connect(&table, &QAbstractItemModel::modelReset, this, [this] { m_lastRow = 0; });
}

int RowSelection::selectedRow() const {
    const QModelIndex current = m_model->currentIndex();
    if (current.isValid())
        return current.row() + 1;
    return m_table.isDataRow(m_lastRow) ? m_lastRow : 1;
}

void RowSelection::choose(int row) {
    if (!m_table.isDataRow(row) || row != selectedRow() || row == m_lastRow)
        return;
    m_lastRow = row;
    emit rowSelected(row);
}

void RowSelection::select(int row) {
    if (!m_table.isDataRow(row))
        return;
    const QModelIndex idx = m_table.index(row - 1, SequenceTable::NumberColumn);
    m_model->setCurrentIndex(idx, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}
