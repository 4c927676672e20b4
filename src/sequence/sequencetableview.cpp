#include "sequencetableview.h"

#include "markerdelegate.h"
#include "rowselection.h"
#include "sequencetable.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QStyle>

SequenceTableView::SequenceTableView(QWidget* parent)
    : QTableView(parent) {
    setObjectName(QStringLiteral("Tabelle"));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    verticalHeader()->hide();
    horizontalHeader()->setStretchLastSection(true);
    horizontalHeader()->setMinimumSectionSize(0); // the marker column is 10 pixels wide
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->viewport()->installEventFilter(this);
    setItemDelegateForColumn(SequenceTable::MarkerColumn, new MarkerDelegate(this));
}

void SequenceTableView::attach(SequenceTable& table, RowSelection& selection, MarkList& marks) {
    m_table = &table;
    m_selection = &selection;
    m_marks = &marks;
    setModel(&table);
    setSelectionModel(selection.model());
    for (int c = 0; c < SequenceTable::Columns; ++c)
        setColumnWidth(c, ColumnWidths[c]);
    // The narrow columns hold short codes that must show whole; with some fonts the designed
    // width cuts "SCROLL" to "SCRO...". A cell's text sits between the style's focus margins
    // and the grid line.
    const int margins =
        2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1) + 1 + 4;
    const auto fit = [&](int column, std::initializer_list<const char*> texts) {
        int width = ColumnWidths[column];
        for (const char* text : texts)
            width = qMax(width, fontMetrics().horizontalAdvance(QLatin1String(text)) + margins);
        setColumnWidth(column, width);
    };
    fit(SequenceTable::NumberColumn, {"00000"});
    fit(SequenceTable::ActiveColumn, {"NEIN", "YES"});
    fit(SequenceTable::KindColumn, {"SCROLL", "FLIESS", "BLOCK"});
    horizontalHeader()->setSectionResizeMode(SequenceTable::MarkerColumn, QHeaderView::Fixed);
}

void SequenceTableView::mousePressEvent(QMouseEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    if (!m_table || !index.isValid()) {
        QTableView::mousePressEvent(event);
        return;
    }
    const int row = index.row() + 1;
    if (event->button() == Qt::LeftButton && index.column() == SequenceTable::MarkerColumn) {
        // Marking neither selects the row nor changes the sequence.
        const auto before = m_table->marker(row);
        m_table->clickMarker(row, *m_marks);
        if (m_table->marker(row) != before)
            emit markerClicked(row);
        return;
    }
    if (event->button() == Qt::RightButton && index.column() == SequenceTable::ActiveColumn) {
        if (m_table->cell(SequenceTable::ActiveColumn, row).isEmpty())
            return;
        m_selection->select(row);
        m_table->toggleActive(row, ActiveMarks::forLanguage(m_table->languageCode()));
        emit activeToggled(row);
        return;
    }
    QTableView::mousePressEvent(event);
    if (event->button() == Qt::LeftButton)
        m_selection->choose(row);
}

bool SequenceTableView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == horizontalHeader()->viewport() && event->type() == QEvent::MouseButtonPress) {
        auto* press = static_cast<QMouseEvent*>(event);
        if (press->button() == Qt::LeftButton) {
            const int column = horizontalHeader()->logicalIndexAt(press->position().toPoint());
            if (column == SequenceTable::NumberColumn || column == SequenceTable::TextColumn ||
                column == SequenceTable::NoteColumn)
                emit searchRequested(column);
            else if (column == SequenceTable::ActiveColumn)
                emit activeMenuRequested(press->globalPosition().toPoint());
        }
        return false;
    }
    return QTableView::eventFilter(watched, event);
}
