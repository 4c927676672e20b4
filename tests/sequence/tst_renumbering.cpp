#include "sequencerows.h"

#include "sequence/marklist.h"
#include "sequence/renumbering.h"

#include <QTest>

using ByteList = QList<QByteArray>;

class RenumberingTest : public QObject {
    Q_OBJECT

private slots:
    void numbersInStepsOfTenKeepingTheOrder();
    void marksFollowTheirRows();
    void offeredOnlyWhenRow1HoldsANumber();
    void refusedBeyondFiveDigits();
};

void RenumberingTest::numbersInStepsOfTenKeepingTheOrder() {
    SequenceTable table;
    SequenceRows::fill(table, {"00005", "00017", "A"});
    table.setMarker(2, SequenceTable::Marker::Marked);
    MarkList marks;
    Renumbering::apply(table, marks);
    QCOMPARE(SequenceRows::column(table, SequenceTable::NumberColumn),
             (ByteList{"00010", "00020", "00030"}));
    QCOMPARE(SequenceRows::column(table, SequenceTable::NoteColumn),
             (ByteList{"note 00005", "note 00017", "note A"}));
    QCOMPARE(table.marker(2), SequenceTable::Marker::Marked);
}

void RenumberingTest::marksFollowTheirRows() {
    // Renumbering 00020 -> 00010 and 00030 -> 00020: a list that kept the old numbers would
    // name the wrong entries, and deleting them would delete unmarked texts.
    SequenceTable table;
    SequenceRows::fill(table, {"00020", "00030", "00045"});
    MarkList marks;
    marks.append("00030");
    marks.append("gone");
    marks.append("00020");
    Renumbering::apply(table, marks);
    QCOMPARE(marks.numbers(), (ByteList{"00020", "gone", "00010"}));
}

void RenumberingTest::offeredOnlyWhenRow1HoldsANumber() {
    SequenceTable table;
    QVERIFY(!Renumbering::isOffered(table));
    SequenceRows::fill(table, {"00010"});
    QVERIFY(Renumbering::isOffered(table));
}

void RenumberingTest::refusedBeyondFiveDigits() {
    SequenceTable table;
    std::vector<SequenceTable::Cells> rows(Renumbering::MaximumRows, SequenceRows::entry("X"));
    table.setRows(rows);
    QVERIFY(Renumbering::fits(table));
    table.appendRow();
    QVERIFY(!Renumbering::fits(table));
}

QTEST_GUILESS_MAIN(RenumberingTest)
#include "tst_renumbering.moc"
