#include "display/uploadbuilder.h"
#include "sequence/sequencetable.h"

#include "../support/sequencerows.h"

#include <QTest>

using Rows = QList<QStringList>;
using Refusal = UploadBuilder::Refusal;

class UploadBuilderTest : public QObject {
    Q_OBJECT

private slots:
    void upload_data();
    void upload();
    void refusals_data();
    void refusals();
    void checksumAddsBytesWithoutSign();
};

static QByteArray field(const QByteArray& text, int columns) {
    return text.leftJustified(columns, ' ', true);
}

static void fillTable(SequenceTable& table, const Rows& rows) {
    std::vector<SequenceTable::Cells> cells;
    for (const QStringList& row : rows)
        cells.push_back(SequenceRows::cells(row));
    table.setRows(cells);
}

// Rows are number, Aktiv, kind, text, parameter, duration; the expected upload is spelled out
// up to the end byte, the checksum separately.
void UploadBuilderTest::upload_data() {
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("columns");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QByteArray>("checksum");

    const QByteArray stx("\x02");
    QTest::newRow("two-line block on 3x24: 91 bytes")
        << Rows{{"1", "JA", "BLOCK", "HALLO,WELT", "3", "M3"}} << 3 << 24
        << "030024B03" + field("HALLO", 24) + field("WELT", 24) + field("", 24) + stx
        << QByteArray("    3407");
    QTest::newRow("no active entry: header, end byte, checksum")
        << Rows{{"1", "NEIN", "BLOCK", "A", "3", "M3"}, {"", "JA", "BLOCK", "A", "3", "M3"}} << 3
        << 24 << QByteArray("030024") << QByteArray("     540");
    QTest::newRow("umlaut counts as 196, not -60")
        << Rows{{"1", "JA", "B", "ÄB", "3", "M3"}} << 1 << 4
        << "010004B03" +
               QByteArray("\xC4"
                          "B  ") +
               stx
        << QByteArray("    1029");
    QTest::newRow("English word is active, letter case counts, other rows skipped")
        << Rows{{"1", "YES", "S", "A", "3", "M3"},
                {"2", "ja", "S", "B", "3", "M3"},
                {"3", "NO", "S", "C", "3", "M3"},
                {"4", "", "S", "D", "3", "M3"}}
        << 1 << 2
        << "0100"
           "02S03A " +
               stx
        << QByteArray();
    QTest::newRow("block of lineCount lines is not filled, one more fills a page")
        << Rows{{"1", "JA", "BLOCK", "A,B", "5", "M3"}, {"2", "JA", "BLOCK", "A,B,C", "12", "M3"}}
        << 2 << 1 << "020001B05AB" + stx + "B12ABC " + stx << QByteArray();
    QTest::newRow("scroll lines are not filled, empty text has no lines")
        << Rows{{"1", "JA", "SCROLL", "A,B,C,D,E", "3", "M3"}, {"2", "JA", "BLOCK", "", "3", "M3"}}
        << 3 << 1 << "030001S03ABCDE" + stx + "B03" + stx << QByteArray();
    QTest::newRow("flowing text on one line")
        << Rows{{"1", "JA", "FLIESS", "\"LAUFTEXT\"", "5,1", "M3"}} << 1 << 4
        << "010004F0501LAUFTEXT" + stx << QByteArray();
    QTest::newRow("flowing text: fixed lines padded, a missing one empty")
        << Rows{{"1", "JA", "F", "\"X\"", "10,2,OBEN", "M3"}} << 3 << 5
        << "030005F1002" + field("OBEN", 5) + field("", 5) + "X" + stx << QByteArray();
    QTest::newRow("long line cut, short padded, unknown kind is STX alone")
        << Rows{{"1", "JA", "BLOCK", "ABCDEFG,AB", "3", "M3"}, {"2", "JA", "X", "A", "3", "M3"}}
        << 2 << 4 << "020004B03ABCDAB  " + stx + stx << QByteArray();
    QTest::newRow("control bytes in a cell go out as spaces")
        << Rows{{"1", "JA", "BLOCK",
                 QString::fromLatin1("\"A\x02"
                                     "B\tC\""),
                 "3", "M3"},
                {"2", "JA", "F", QString::fromLatin1("\"\x02Y\x03\""), "5,1", "M3"}}
        << 1 << 5 << "010005B03A B C" + stx + "F0501 Y " + stx << QByteArray();
    QTest::newRow("a broken duration cell does not hold back the upload")
        << Rows{{"1", "JA", "S", "A", "3", "kaputt"}} << 1 << 1 << "010001S03A" + stx
        << QByteArray();
}

void UploadBuilderTest::upload() {
    QFETCH(Rows, rows);
    QFETCH(int, lines);
    QFETCH(int, columns);
    QFETCH(QByteArray, body);
    QFETCH(QByteArray, checksum);
    SequenceTable table;
    fillTable(table, rows);
    const UploadBuilder::Result result = UploadBuilder::build(table, lines, columns);
    QVERIFY(result.ok());
    const QByteArray expected = body + char(0xF3) + UploadBuilder::checksum(body + char(0xF3));
    QCOMPARE(result.data, expected);
    if (!checksum.isEmpty())
        QCOMPARE(result.data.right(8), checksum);
}

void UploadBuilderTest::refusals_data() {
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("refusal");
    QTest::addColumn<QList<QByteArray>>("numbers");

    const auto scroll = [](const QString& text) {
        return Rows{{"1", "JA", "S", text, "3", "M3"}};
    };
    QTest::newRow("exactly 2048 bytes")
        << scroll(QString(2029, 'A')) << 1 << 2029 << int(Refusal::None) << QList<QByteArray>{};
    QTest::newRow("2049 bytes") << scroll(QString(2030, 'A')) << 1 << 2030 << int(Refusal::TooLong)
                                << QList<QByteArray>{};
    QTest::newRow("page time of 120 s would go out as 20")
        << Rows{{"1", "JA", "B", "A", "120", "M3"}, {"2", "JA", "B", "A", "99", "M3"}} << 1 << 1
        << int(Refusal::ParameterOutOfRange) << QList<QByteArray>{"1"};
    QTest::newRow("empty or negative parameters would shift the record")
        << Rows{{"7", "JA", "S", "A", "", "M3"},
                {"8", "NEIN", "S", "A", "", "M3"},
                {"9", "JA", "F", "\"A\"", "5,-1", "M3"},
                {"10", "JA", "F", "\"A\"", "5", "M3"}}
        << 1 << 1 << int(Refusal::ParameterOutOfRange) << QList<QByteArray>{"7", "9", "10"};
    QTest::newRow("100 lines do not fit the header")
        << Rows{} << 100 << 1 << int(Refusal::BoardTooLarge) << QList<QByteArray>{};
    QTest::newRow("10000 columns do not fit the header")
        << Rows{} << 1 << 10000 << int(Refusal::BoardTooLarge) << QList<QByteArray>{};
}

void UploadBuilderTest::refusals() {
    QFETCH(Rows, rows);
    QFETCH(int, lines);
    QFETCH(int, columns);
    QFETCH(int, refusal);
    QFETCH(QList<QByteArray>, numbers);
    SequenceTable table;
    fillTable(table, rows);
    const UploadBuilder::Result result = UploadBuilder::build(table, lines, columns);
    QCOMPARE(int(result.refusal), refusal);
    QCOMPARE(result.numbers, numbers);
    QCOMPARE(result.data.size(), result.ok() ? 2048 : 0);
}

void UploadBuilderTest::checksumAddsBytesWithoutSign() {
    QCOMPARE(UploadBuilder::checksum("\xFF\xFF"), QByteArray("     510"));
    QCOMPARE(UploadBuilder::checksum(QByteArray(2040, '\xFF')), QByteArray("  520200"));
}

QTEST_MAIN(UploadBuilderTest)
#include "tst_uploadbuilder.moc"
