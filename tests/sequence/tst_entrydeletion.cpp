#include "sequencerows.h"

#include "sequence/entrydeletion.h"
#include "sequence/marklist.h"

#include <QTest>

using ByteList = QList<QByteArray>;
using Marker = SequenceTable::Marker;

class EntryDeletionTest : public QObject {
    Q_OBJECT

private slots:
    void deletesOneRow_data();
    void deletesOneRow();
    void deletesMarkedInMarkingOrder_data();
    void deletesMarkedInMarkingOrder();
    void listsTheMarkedNumbers();
};

void EntryDeletionTest::deletesOneRow_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("deleted");
    QTest::addColumn<ByteList>("numbers");
    QTest::newRow("middle row") << 2 << true << ByteList{"00010", "00030"};
    QTest::newRow("last row") << 3 << true << ByteList{"00010", "00020"};
    QTest::newRow("outside the data rows") << 0 << false << ByteList{"00010", "00020", "00030"};
}

void EntryDeletionTest::deletesOneRow() {
    QFETCH(int, row);
    QFETCH(bool, deleted);
    QFETCH(ByteList, numbers);
    SequenceTable table;
    SequenceRows::fill(table, {"00010", "00020", "00030"});
    table.setMarker(3, Marker::Marked);
    MarkList marks;
    marks.append("00020");
    QCOMPARE(EntryDeletion::deleteRow(table, marks, row), deleted);
    QCOMPARE(SequenceRows::column(table, SequenceTable::NumberColumn), numbers);
    QCOMPARE(marks.contains("00020"), row != 2);
    if (row == 2)
        QCOMPARE(table.marker(2), Marker::Marked); // the colour moves up with its row
}

void EntryDeletionTest::deletesMarkedInMarkingOrder_data() {
    QTest::addColumn<ByteList>("table");
    QTest::addColumn<ByteList>("marked");
    QTest::addColumn<int>("deleted");
    QTest::addColumn<ByteList>("left");
    QTest::newRow("two of three") << ByteList{"00010", "00020", "00030"}
                                  << ByteList{"00030", "00010"} << 2 << ByteList{"00020"};
    QTest::newRow("the only entry leaves an empty row")
        << ByteList{"00010"} << ByteList{"00010"} << 1 << ByteList{""};
    QTest::newRow("all of them") << ByteList{"00010", "00020"} << ByteList{"00010", "00020"} << 2
                                 << ByteList{""};
    QTest::newRow("a number no row holds touches nothing")
        << ByteList{"00010", "00020"} << ByteList{"00015", "00020"} << 1 << ByteList{"00010"};
    QTest::newRow("a number marked twice")
        << ByteList{"00010", "00020"} << ByteList{"00020", "00020"} << 1 << ByteList{"00010"};
}

void EntryDeletionTest::deletesMarkedInMarkingOrder() {
    QFETCH(ByteList, table);
    QFETCH(ByteList, marked);
    QFETCH(int, deleted);
    QFETCH(ByteList, left);
    SequenceTable t;
    SequenceRows::fill(t, table);
    MarkList marks;
    for (const QByteArray& number : marked) {
        marks.append(number);
        if (const int row = t.findNumber(number))
            t.setMarker(row, Marker::Marked);
    }
    QCOMPARE(EntryDeletion::deleteMarked(t, marks), deleted);
    QVERIFY(marks.numbers().isEmpty());
    QCOMPARE(SequenceRows::column(t, SequenceTable::NumberColumn), left);
    for (int row = 1; row < t.gridRowCount(); ++row)
        QCOMPARE(t.marker(row) == Marker::Marked, false);
}

void EntryDeletionTest::listsTheMarkedNumbers() {
    MarkList marks;
    marks.append("00010");
    marks.append("00030");
    QCOMPARE(EntryDeletion::markedNumbers(marks), QByteArray("00010,00030"));
}

QTEST_GUILESS_MAIN(EntryDeletionTest)
#include "tst_entrydeletion.moc"
