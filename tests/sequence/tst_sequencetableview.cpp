#include "sequence/marklist.h"
#include "sequence/rowselection.h"
#include "sequence/sequencetable.h"
#include "sequence/sequencetableview.h"

#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>

// The grid's mouse presses and hints, on the real view.
class SequenceTableViewTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void shape();
    void markerPressDoesNotSelect();
    void rightPressTogglesActive();
    void rightPressOnEmptyRowDoesNothing();
    void pressAfterRemovingTheSelectedRowLoadsIt();
    void headerPresses_data();
    void headerPresses();
    void hints_data();
    void hints();

private:
    QPoint cellCentre(int column, int row) const;

    SequenceTable* m_table = nullptr;
    RowSelection* m_selection = nullptr;
    MarkList m_marks;
    SequenceTableView* m_view = nullptr;
};

void SequenceTableViewTest::init() {
    m_table = new SequenceTable;
    m_selection = new RowSelection(*m_table);
    m_marks.clear();
    std::vector<SequenceTable::Cells> rows(3);
    rows[0][SequenceTable::NumberColumn] = "00010";
    rows[0][SequenceTable::ActiveColumn] = "JA";
    rows[1][SequenceTable::NumberColumn] = "00020";
    rows[1][SequenceTable::ActiveColumn] = "JA";
    m_table->setRows(rows); // the third row holds no entry
    m_view = new SequenceTableView;
    m_view->attach(*m_table, *m_selection, m_marks);
    m_view->resize(900, 300);
    m_view->show();
    m_selection->select(1);
}

void SequenceTableViewTest::cleanup() {
    delete m_view;
    delete m_selection;
    delete m_table;
}

QPoint SequenceTableViewTest::cellCentre(int column, int row) const {
    return m_view->visualRect(m_table->index(row - 1, column)).center();
}

void SequenceTableViewTest::shape() {
    QCOMPARE(m_view->objectName(), QStringLiteral("Tabelle"));
    const int widths[] = {10, 51, 62, 54, 254, 112, 87};
    // The short codes of columns 1 to 3 widen their column where the font needs it.
    for (int c = 0; c < 7; ++c) {
        if (c >= 1 && c <= 3)
            QVERIFY(m_view->columnWidth(c) >= widths[c]);
        else
            QCOMPARE(m_view->columnWidth(c), widths[c]);
    }
    QVERIFY(m_view->horizontalHeader()->stretchLastSection());
    QCOMPARE(m_view->editTriggers(), QAbstractItemView::NoEditTriggers);
    QCOMPARE(m_table->headerData(3, Qt::Horizontal).toString(), QStringLiteral("B/S/F"));
    m_table->setLanguageCode(QStringLiteral("GB"));
    QCOMPARE(m_table->headerData(3, Qt::Horizontal).toString(), QStringLiteral("b/s/f"));
    QCOMPARE(m_table->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Text No."));
}

void SequenceTableViewTest::markerPressDoesNotSelect() {
    QSignalSpy clicked(m_view, &SequenceTableView::markerClicked);
    QTest::mouseClick(m_view->viewport(), Qt::LeftButton, {}, cellCentre(0, 2));
    QCOMPARE(m_table->marker(2), SequenceTable::Marker::Marked);
    QCOMPARE(m_marks.numbers(), QList<QByteArray>{"00020"});
    QCOMPARE(m_selection->selectedRow(), 1);
    QCOMPARE(clicked.count(), 1);
    // A row without an entry is not marked.
    QTest::mouseClick(m_view->viewport(), Qt::LeftButton, {}, cellCentre(0, 3));
    QCOMPARE(m_table->marker(3), SequenceTable::Marker::Normal);
    QCOMPARE(clicked.count(), 1);
}

void SequenceTableViewTest::rightPressTogglesActive() {
    QSignalSpy toggled(m_view, &SequenceTableView::activeToggled);
    QSignalSpy selected(m_selection, &RowSelection::rowSelected);
    QTest::mouseClick(m_view->viewport(), Qt::RightButton, {}, cellCentre(2, 2));
    QCOMPARE(m_table->cell(SequenceTable::ActiveColumn, 2), QByteArray("NEIN"));
    QCOMPARE(m_selection->selectedRow(), 2);
    QCOMPARE(selected.count(), 1);
    QCOMPARE(toggled.count(), 1);
    // Row 1 is now the only active one: it stays active.
    QTest::mouseClick(m_view->viewport(), Qt::RightButton, {}, cellCentre(2, 1));
    QCOMPARE(m_table->cell(SequenceTable::ActiveColumn, 1), QByteArray("JA"));
}

void SequenceTableViewTest::rightPressOnEmptyRowDoesNothing() {
    QSignalSpy toggled(m_view, &SequenceTableView::activeToggled);
    QTest::mouseClick(m_view->viewport(), Qt::RightButton, {}, cellCentre(2, 3));
    QCOMPARE(toggled.count(), 0);
    QCOMPARE(m_selection->selectedRow(), 1);
    QCOMPARE(m_table->cell(SequenceTable::ActiveColumn, 3), QByteArray());
}

// Removing the selected row moves the bar onto a neighbour without loading it; pressing that
// row then loads it, once.
void SequenceTableViewTest::pressAfterRemovingTheSelectedRowLoadsIt() {
    m_selection->select(2);
    QSignalSpy selected(m_selection, &RowSelection::rowSelected);
    m_table->removeDataRow(2);
    QCOMPARE(selected.count(), 0);
    const int bar = m_selection->selectedRow();
    QTest::mouseClick(m_view->viewport(), Qt::LeftButton, {}, cellCentre(1, bar));
    QCOMPARE(selected.count(), 1);
    QCOMPARE(selected.at(0).at(0).toInt(), bar);
    QTest::mouseClick(m_view->viewport(), Qt::LeftButton, {}, cellCentre(1, bar));
    QCOMPARE(selected.count(), 1);

    // A removal elsewhere keeps the loaded entry: pressing its row again loads nothing.
    m_selection->select(1);
    selected.clear();
    m_table->removeDataRow(2);
    QTest::mouseClick(m_view->viewport(), Qt::LeftButton, {}, cellCentre(1, 1));
    QCOMPARE(selected.count(), 0);
}

void SequenceTableViewTest::headerPresses_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("search");
    QTest::addColumn<int>("menu");
    QTest::newRow("number") << 1 << 1 << 0;
    QTest::newRow("aktiv") << 2 << 0 << 1;
    QTest::newRow("kind") << 3 << 0 << 0;
    QTest::newRow("text") << 4 << 1 << 0;
    QTest::newRow("note") << 7 << 1 << 0;
}

void SequenceTableViewTest::headerPresses() {
    QFETCH(int, column);
    QFETCH(int, search);
    QFETCH(int, menu);
    QSignalSpy searches(m_view, &SequenceTableView::searchRequested);
    QSignalSpy menus(m_view, &SequenceTableView::activeMenuRequested);
    QHeaderView* header = m_view->horizontalHeader();
    const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                    header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
    QCOMPARE(searches.count(), search);
    if (search)
        QCOMPARE(searches.first().first().toInt(), column);
    QCOMPARE(menus.count(), menu);
}

void SequenceTableViewTest::hints_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("marker");
    QTest::addColumn<QString>("aktiv");
    QTest::addColumn<QString>("textHeader");
    QTest::newRow("German") << "D"
                            << "zum Markieren/Entmarkieren anklicken"
                            << "ändern mit rechter Maustaste"
                            << "Suche nach Textinhalt";
    QTest::newRow("English") << "GB"
                             << "Click to check / uncheck"
                             << "change with right mousebutton"
                             << "surch for text contents";
}

void SequenceTableViewTest::hints() {
    QFETCH(QString, language);
    QFETCH(QString, marker);
    QFETCH(QString, aktiv);
    QFETCH(QString, textHeader);
    m_table->setLanguageCode(language);
    QCOMPARE(m_table->index(0, 0).data(Qt::ToolTipRole).toString(), marker);
    QCOMPARE(m_table->index(0, 2).data(Qt::ToolTipRole).toString(), aktiv);
    QVERIFY(!m_table->index(0, 4).data(Qt::ToolTipRole).isValid());
    QCOMPARE(m_table->headerData(4, Qt::Horizontal, Qt::ToolTipRole).toString(), textHeader);
    QVERIFY(!m_table->headerData(3, Qt::Horizontal, Qt::ToolTipRole).isValid());
}

QTEST_MAIN(SequenceTableViewTest)
#include "tst_sequencetableview.moc"
