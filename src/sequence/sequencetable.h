#pragma once

#include "activemarks.h"

#include <QAbstractTableModel>
#include <QByteArray>

#include <array>
#include <memory>
#include <optional>
#include <vector>

class MarkList;

// The sequence: one row per text entry, every cell Windows-1252 bytes, plus the colour of
// the row's marker cell. The table has no other store.
//
// Rows are counted like the grid the operator sees: row 0 is the header, data rows are
// 1 .. gridRowCount() - 1, and there is always at least one data row. The Qt model rows are
// the data rows only (model row = grid row - 1).
class SequenceTable final : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column {
        MarkerColumn = 0,
        NumberColumn = 1,
        ActiveColumn = 2,
        KindColumn = 3,
        TextColumn = 4,
        ParameterColumn = 5,
        DurationColumn = 6,
        NoteColumn = 7,
        Columns = 8
    };
    // Only red and yellow mean something; every other colour counts as normal.
    enum class Marker { Normal, Initial, Marked, Playing };
    // Qt::UserRole data of the marker column: the Marker as an int.
    static constexpr int MarkerRole = Qt::UserRole + 1;

    using Cells = std::array<QByteArray, Columns>;

    explicit SequenceTable(QObject* parent = nullptr);

    // Grid rows including the header row: at least 2.
    int gridRowCount() const { return static_cast<int>(m_rows.size()) + 1; }
    bool isDataRow(int row) const { return row >= 1 && row < gridRowCount(); }
    // Empty outside the table.
    QByteArray cell(int column, int row) const;
    // Ignored outside the table.
    void setCell(int column, int row, const QByteArray& text);
    Cells rowCells(int row) const;
    void setRowCells(int row, const Cells& cells);
    // A row holds an entry when its number cell is not empty.
    bool holdsEntry(int row) const { return !cell(NumberColumn, row).isEmpty(); }

    Marker marker(int row) const;
    void setMarker(int row, Marker marker);

    // One empty row at the end; returns its grid row.
    int appendRow();
    // Removes a data row; removing the only one leaves one empty row (marker kept normal).
    void removeDataRow(int row);
    // Swaps two data rows whole, cells and marker.
    void exchangeRows(int a, int b);
    // One empty data row with a normal marker.
    void clear();
    // Replaces all data rows (at least one is kept).
    void setRows(const std::vector<Cells>& rows);
    // A table of its own with these rows, markers, header texts and language, to work out
    // what a change would give without touching this one or the views on it. Cheap: the
    // cells are shared until one side changes them.
    std::unique_ptr<SequenceTable> copy() const;

    // The first data row whose number equals this one without regard to letter case
    // (umlauts included); 0 when none.
    int findNumber(const QByteArray& number) const;

    // Sorts the data rows ascending by number, byte by byte; an empty number sorts first.
    // Rows move whole with their marker. Returns where the given row ended up.
    int sortByNumber(int followRow);

    // True when some Aktiv cell holds an active word (letter case ignored).
    bool anyActive() const;
    // The at-least-one-active rule for one row: when no Aktiv cell is active any more and
    // the row holds an entry, its Aktiv cell gets the active word.
    void ensureActive(int row, const ActiveMarks& marks);
    // The right click on an Aktiv cell: active becomes inactive (and back when it was the
    // last active one), anything else becomes active. False for a row without an Aktiv text.
    bool toggleActive(int row, const ActiveMarks& marks);
    // The left click on a marker cell: red stays, yellow unmarks, any other colour marks a
    // row that holds an entry.
    void clickMarker(int row, MarkList& marks);

    // Header captions follow the language; hints too. Setting the language also drops
    // header texts taken from a file.
    void setLanguageCode(const QString& languageCode);
    // The header line of an opened file replaces the captions until the language is set.
    void setHeaderTexts(const Cells& texts);
    const QString& languageCode() const { return m_languageCode; }

    // QAbstractTableModel
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    struct Row {
        Cells cells;
        Marker marker = Marker::Normal;
    };
    Row* rowAt(int row);
    const Row* rowAt(int row) const;
    void rowChanged(int row, int firstColumn, int lastColumn);

    std::vector<Row> m_rows;
    QString m_languageCode;
    std::optional<Cells> m_headerTexts;
};
