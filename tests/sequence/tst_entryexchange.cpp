#include "sequencerows.h"

#include "sequence/entryexchange.h"
#include "sequence/marklist.h"

#include <QTest>

using ByteList = QList<QByteArray>;
using Marker = SequenceTable::Marker;

class EntryExchangeTest : public QObject {
    Q_OBJECT

private slots:
    void exchangesTwoMarkedEntries_data();
    void exchangesTwoMarkedEntries();
    void onlyExactlyTwo_data();
    void onlyExactlyTwo();
};

void EntryExchangeTest::exchangesTwoMarkedEntries_data() {
    QTest::addColumn<ByteList>("marked");
    QTest::addColumn<int>("selected");
    QTest::addColumn<ByteList>("notes");
    QTest::addColumn<int>("followed");
    QTest::newRow("neighbours") << ByteList{"00010", "00020"} << 1
                                << ByteList{"note 00020", "note 00010", "note 00030"} << 2;
    QTest::newRow("marked in reverse, selection elsewhere")
        << ByteList{"00030", "00010"} << 2 << ByteList{"note 00030", "note 00020", "note 00010"}
        << 2;
    QTest::newRow("selection follows its entry")
        << ByteList{"00010", "00030"} << 3 << ByteList{"note 00030", "note 00020", "note 00010"}
        << 1;
}

void EntryExchangeTest::exchangesTwoMarkedEntries() {
    QFETCH(ByteList, marked);
    QFETCH(int, selected);
    QFETCH(ByteList, notes);
    QFETCH(int, followed);
    SequenceTable table;
    SequenceRows::fill(table, {"00010", "00020", "00030"});
    MarkList marks;
    for (const QByteArray& number : marked) {
        marks.append(number);
        table.setMarker(table.findNumber(number), Marker::Marked);
    }
    QCOMPARE(EntryExchange::apply(table, marks, selected), followed);
    QCOMPARE(SequenceRows::column(table, SequenceTable::NumberColumn),
             (ByteList{"00010", "00020", "00030"}));
    QCOMPARE(SequenceRows::column(table, SequenceTable::NoteColumn), notes);
    QVERIFY(marks.numbers().isEmpty());
    for (int row = 1; row < table.gridRowCount(); ++row)
        QVERIFY(table.marker(row) != Marker::Marked);
}

void EntryExchangeTest::onlyExactlyTwo_data() {
    QTest::addColumn<ByteList>("marked");
    QTest::newRow("none") << ByteList{};
    QTest::newRow("one") << ByteList{"00010"};
    QTest::newRow("three") << ByteList{"00010", "00020", "00030"};
}

void EntryExchangeTest::onlyExactlyTwo() {
    QFETCH(ByteList, marked);
    SequenceTable table;
    SequenceRows::fill(table, {"00010", "00020", "00030"});
    MarkList marks;
    for (const QByteArray& number : marked)
        marks.append(number);
    QVERIFY(!EntryExchange::isPossible(marks));
    QCOMPARE(EntryExchange::apply(table, marks, 2), 2);
    QCOMPARE(marks.numbers(), marked);
    QCOMPARE(SequenceRows::column(table, SequenceTable::NoteColumn),
             (ByteList{"note 00010", "note 00020", "note 00030"}));
}

QTEST_GUILESS_MAIN(EntryExchangeTest)
#include "tst_entryexchange.moc"
