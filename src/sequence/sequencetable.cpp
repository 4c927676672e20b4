#include "sequencetable.h"

#include "marklist.h"

#include "platform/windows1252.h"
#include "windows/language.h"

#include <algorithm>
#include <numeric>

namespace {

// More than the widest column can show.
constexpr qsizetype ShownCharacters = 1000;

QString headerText(int column, bool english) {
    switch (column) {
    case SequenceTable::NumberColumn:
        return english ? QStringLiteral("Text No.") : QStringLiteral("Text Nr.");
    case SequenceTable::ActiveColumn:
        return english ? QStringLiteral("Active") : QStringLiteral("Aktiv");
    case SequenceTable::KindColumn:
        return english ? QStringLiteral("b/s/f") : QStringLiteral("B/S/F");
    case SequenceTable::TextColumn:
        return QStringLiteral("Text");
    case SequenceTable::ParameterColumn:
        return QStringLiteral("Parameter");
    case SequenceTable::DurationColumn:
        return english ? QStringLiteral("Duration") : QStringLiteral("Dauer");
    case SequenceTable::NoteColumn:
        return english ? QStringLiteral("Notes") : QStringLiteral("Hinweis");
    default:
        return QString();
    }
}

QString headerHint(int column, bool english) {
    switch (column) {
    case SequenceTable::NumberColumn:
        return english ? QStringLiteral("surch for textnumber")
                       : QStringLiteral("Suche nach Textnummer");
    case SequenceTable::TextColumn:
        return english ? QStringLiteral("surch for text contents")
                       : QStringLiteral("Suche nach Textinhalt");
    case SequenceTable::NoteColumn:
        return english ? QStringLiteral("surch for hint contents")
                       : QStringLiteral("Suche nach Hinweis");
    default:
        return QString();
    }
}

} // namespace

SequenceTable::SequenceTable(QObject* parent)
    : QAbstractTableModel(parent)
    , m_rows(1) {
}

SequenceTable::Row* SequenceTable::rowAt(int row) {
    return isDataRow(row) ? &m_rows[size_t(row - 1)] : nullptr;
}

const SequenceTable::Row* SequenceTable::rowAt(int row) const {
    return isDataRow(row) ? &m_rows[size_t(row - 1)] : nullptr;
}

void SequenceTable::rowChanged(int row, int firstColumn, int lastColumn) {
    emit dataChanged(index(row - 1, firstColumn), index(row - 1, lastColumn));
}

QByteArray SequenceTable::cell(int column, int row) const {
    const Row* r = rowAt(row);
    if (!r || column < 0 || column >= Columns)
        return QByteArray();
    return r->cells[size_t(column)];
}

void SequenceTable::setCell(int column, int row, const QByteArray& text) {
    Row* r = rowAt(row);
    if (!r || column < 0 || column >= Columns || r->cells[size_t(column)] == text)
        return;
    r->cells[size_t(column)] = text;
    rowChanged(row, column, column);
}

SequenceTable::Cells SequenceTable::rowCells(int row) const {
    const Row* r = rowAt(row);
    return r ? r->cells : Cells{};
}

void SequenceTable::setRowCells(int row, const Cells& cells) {
    Row* r = rowAt(row);
    if (!r)
        return;
    r->cells = cells;
    rowChanged(row, 0, Columns - 1);
}

SequenceTable::Marker SequenceTable::marker(int row) const {
    const Row* r = rowAt(row);
    return r ? r->marker : Marker::Normal;
}

void SequenceTable::setMarker(int row, Marker marker) {
    Row* r = rowAt(row);
    if (!r || r->marker == marker)
        return;
    r->marker = marker;
    rowChanged(row, MarkerColumn, MarkerColumn);
}

int SequenceTable::appendRow() {
    const int modelRow = static_cast<int>(m_rows.size());
    beginInsertRows(QModelIndex(), modelRow, modelRow);
    m_rows.emplace_back();
    endInsertRows();
    return modelRow + 1;
}

void SequenceTable::removeDataRow(int row) {
    if (!isDataRow(row))
        return;
    if (m_rows.size() == 1) {
        m_rows.front() = Row();
        rowChanged(1, 0, Columns - 1);
        return;
    }
    beginRemoveRows(QModelIndex(), row - 1, row - 1);
    m_rows.erase(m_rows.begin() + (row - 1));
    endRemoveRows();
}

void SequenceTable::exchangeRows(int a, int b) {
    if (!isDataRow(a) || !isDataRow(b) || a == b)
        return;
    std::swap(m_rows[size_t(a - 1)], m_rows[size_t(b - 1)]);
    rowChanged(a, 0, Columns - 1);
    rowChanged(b, 0, Columns - 1);
}

void SequenceTable::clear() {
    setRows({});
}

void SequenceTable::setRows(const std::vector<Cells>& rows) {
    beginResetModel();
    m_rows.clear();
    m_rows.reserve(qMax<size_t>(rows.size(), 1));
    for (const Cells& cells : rows)
        m_rows.push_back(Row{cells, Marker::Normal});
    if (m_rows.empty())
        m_rows.emplace_back();
    endResetModel();
}

std::unique_ptr<SequenceTable> SequenceTable::copy() const {
    auto table = std::make_unique<SequenceTable>();
    table->m_rows = m_rows;
    table->m_languageCode = m_languageCode;
    table->m_headerTexts = m_headerTexts;
    return table;
}

int SequenceTable::findNumber(const QByteArray& number) const {
    for (size_t i = 0; i < m_rows.size(); ++i) {
        if (Windows1252::equalIgnoringCase(m_rows[i].cells[NumberColumn], number))
            return static_cast<int>(i) + 1;
    }
    return 0;
}

int SequenceTable::sortByNumber(int followRow) {
    // QByteArray's own order: byte by byte, a prefix first.
    std::vector<size_t> order(m_rows.size());
    std::iota(order.begin(), order.end(), size_t(0));
    std::stable_sort(order.begin(), order.end(), [this](size_t a, size_t b) {
        return m_rows[a].cells[NumberColumn] < m_rows[b].cells[NumberColumn];
    });
    if (std::is_sorted(order.begin(), order.end()))
        return followRow;
    const bool follow = isDataRow(followRow);
    int followed = followRow;
    std::vector<Row> sorted;
    sorted.reserve(m_rows.size());
    for (size_t i = 0; i < order.size(); ++i) {
        if (follow && order[i] == size_t(followRow - 1))
            followed = static_cast<int>(i) + 1;
        sorted.push_back(std::move(m_rows[order[i]]));
    }
    emit layoutAboutToBeChanged();
    const QModelIndexList before = persistentIndexList();
    m_rows = std::move(sorted);
    // Persistent indexes (the view's selection among them) follow their rows.
    std::vector<int> newPlace(order.size());
    for (size_t i = 0; i < order.size(); ++i)
        newPlace[order[i]] = static_cast<int>(i);
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& idx : before)
        after.append(index(newPlace[size_t(idx.row())], idx.column()));
    changePersistentIndexList(before, after);
    emit layoutChanged();
    return followed;
}

bool SequenceTable::anyActive() const {
    return std::any_of(m_rows.begin(), m_rows.end(), [](const Row& r) {
        return ActiveMarks::isActiveIgnoringCase(r.cells[ActiveColumn]);
    });
}

void SequenceTable::ensureActive(int row, const ActiveMarks& marks) {
    if (!anyActive() && holdsEntry(row))
        setCell(ActiveColumn, row, marks.active);
}

bool SequenceTable::toggleActive(int row, const ActiveMarks& marks) {
    if (cell(ActiveColumn, row).isEmpty())
        return false;
    if (ActiveMarks::isActive(cell(ActiveColumn, row))) {
        setCell(ActiveColumn, row, marks.inactive);
        if (!anyActive())
            setCell(ActiveColumn, row, marks.active);
    } else {
        setCell(ActiveColumn, row, marks.active);
    }
    return true;
}

void SequenceTable::clickMarker(int row, MarkList& marks) {
    if (!isDataRow(row))
        return;
    switch (marker(row)) {
    case Marker::Playing:
        return;
    case Marker::Marked:
        setMarker(row, Marker::Normal);
        marks.remove(cell(NumberColumn, row));
        return;
    default:
        if (!holdsEntry(row))
            return;
        setMarker(row, Marker::Marked);
        marks.append(cell(NumberColumn, row));
    }
}

void SequenceTable::setLanguageCode(const QString& languageCode) {
    if (m_languageCode == languageCode && !m_headerTexts)
        return;
    m_languageCode = languageCode;
    m_headerTexts.reset();
    emit headerDataChanged(Qt::Horizontal, 0, Columns - 1);
    if (!m_rows.empty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, Columns - 1), {Qt::ToolTipRole});
}

void SequenceTable::setHeaderTexts(const Cells& texts) {
    m_headerTexts = texts;
    emit headerDataChanged(Qt::Horizontal, 0, Columns - 1);
}

int SequenceTable::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int SequenceTable::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Columns;
}

QVariant SequenceTable::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= Columns)
        return QVariant();
    const Row& r = m_rows[size_t(index.row())];
    const bool english = Language::isEnglish(m_languageCode);
    switch (role) {
    case Qt::DisplayRole: {
        if (index.column() == MarkerColumn)
            return QVariant();
        // A column shows the beginning of a long cell and elides the rest; laying out all of
        // a cell of many kilobytes at every paint only to elide it made the window stall.
        const QByteArray& cell = r.cells[size_t(index.column())];
        return Windows1252::toUnicode(cell.size() > ShownCharacters ? cell.left(ShownCharacters)
                                                                    : cell);
    }
    case MarkerRole:
        return index.column() == MarkerColumn ? QVariant(static_cast<int>(r.marker)) : QVariant();
    case Qt::ToolTipRole:
        if (index.column() == MarkerColumn)
            return english ? QStringLiteral("Click to check / uncheck")
                           : QStringLiteral("zum Markieren/Entmarkieren anklicken");
        if (index.column() == ActiveColumn)
            return english ? QStringLiteral("change with right mousebutton")
                           : QStringLiteral("ändern mit rechter Maustaste");
        return QVariant();
    default:
        return QVariant();
    }
}

QVariant SequenceTable::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= Columns)
        return QVariant();
    const bool english = Language::isEnglish(m_languageCode);
    if (role == Qt::DisplayRole) {
        if (m_headerTexts)
            return Windows1252::toUnicode((*m_headerTexts)[size_t(section)]);
        return headerText(section, english);
    }
    if (role == Qt::ToolTipRole) {
        const QString hint = headerHint(section, english);
        return hint.isEmpty() ? QVariant() : QVariant(hint);
    }
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    return QVariant();
}
