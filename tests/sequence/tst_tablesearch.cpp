#include "sequencerows.h"

#include "sequence/tablesearch.h"

#include <QTest>

using namespace Qt::StringLiterals;

// Rows 1 to 4: numbers 00010 .. 00040; notes "hallo", "Wald", "HALLO Welt", "Grüße" (the
// last in Windows-1252). Texts are "TEXT" + number.
class TableSearchTest : public QObject {
    Q_OBJECT

private slots:
    void findsTheNextRow_data();
    void findsTheNextRow();
};

void TableSearchTest::findsTheNextRow_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("column");
    QTest::addColumn<bool>("matchCase");
    QTest::addColumn<bool>("down");
    QTest::addColumn<int>("selected");
    QTest::addColumn<int>("found");
    const int note = SequenceTable::NoteColumn;
    const int number = SequenceTable::NumberColumn;
    const int text = SequenceTable::TextColumn;
    QTest::newRow("down starts below the selection")
        << u"HALLO"_s << note << false << true << 1 << 3;
    QTest::newRow("down wraps to row 1") << u"hallo"_s << note << true << true << 2 << 1;
    QTest::newRow("down from the last row tests it first")
        << u"TEXT000"_s << text << false << true << 4 << 4;
    QTest::newRow("up starts above the selection")
        << u"hallo"_s << note << false << false << 4 << 3;
    QTest::newRow("up from row 1 tests it first")
        << u"TEXT000"_s << text << false << false << 1 << 1;
    QTest::newRow("up wraps to the last row") << u"wald"_s << note << false << false << 1 << 2;
    QTest::newRow("selected row is tested last") << u"Wald"_s << note << true << true << 2 << 2;
    QTest::newRow("without match case hallo finds HALLO")
        << u"hallo"_s << note << false << true << 1 << 3;
    QTest::newRow("match case passes over hallo") << u"HALLO"_s << note << true << true << 4 << 3;
    QTest::newRow("umlauts in upper case") << u"grüße"_s << note << false << true << 1 << 4;
    QTest::newRow("number column") << u"0003"_s << number << false << true << 1 << 3;
    QTest::newRow("text column") << u"TEXT00020"_s << text << false << false << 4 << 2;
    QTest::newRow("no match") << u"nirgends"_s << note << false << true << 2 << 0;
    QTest::newRow("empty text matches nothing") << u""_s << note << false << true << 1 << 0;
}

void TableSearchTest::findsTheNextRow() {
    QFETCH(QString, text);
    QFETCH(int, column);
    QFETCH(bool, matchCase);
    QFETCH(bool, down);
    QFETCH(int, selected);
    QFETCH(int, found);
    SequenceTable table;
    table.setRows({SequenceRows::entry("00010", "hallo"), SequenceRows::entry("00020", "Wald"),
                   SequenceRows::entry("00030", "\"HALLO Welt\""),
                   SequenceRows::entry("00040", "Gr\xFC\xDF\x65")});
    const TableSearch::Query query{text, column, matchCase, down};
    QCOMPARE(TableSearch::findNext(table, query, selected), found);
}

QTEST_GUILESS_MAIN(TableSearchTest)
#include "tst_tablesearch.moc"
