#include "sequencerows.h"

#include "sequence/conversionerror.h"
#include "sequence/numberproposal.h"

#include <QTest>

using ByteList = QList<QByteArray>;

class NumberProposalTest : public QObject {
    Q_OBJECT

private slots:
    void proposes_data();
    void proposes();
    void aLetterAmongTheFirstFiveCharactersDoesNotConvert();
    void fiveDigits_data();
    void fiveDigits();
};

void NumberProposalTest::proposes_data() {
    QTest::addColumn<ByteList>("numbers");
    QTest::addColumn<QByteArray>("proposal");
    QTest::newRow("empty table") << ByteList{} << QByteArray("00010");
    QTest::newRow("one entry") << ByteList{"00010"} << QByteArray("00020");
    QTest::newRow("next ten above 235")
        << ByteList{"00010", "00230", "00235"} << QByteArray("00240");
    // Compared as numbers, not byte by byte: "3" sorts after "00010" but is smaller, and a
    // second "Neuer Text" proposed 00010 again.
    QTest::newRow("greatest by value") << ByteList{"00990", "0100"} << QByteArray("01000");
    QTest::newRow("short numbers") << ByteList{"1", "2", "3"} << QByteArray("00010");
    QTest::newRow("short numbers and a new entry")
        << ByteList{"00010", "1", "2", "3"} << QByteArray("00020");
    QTest::newRow("empty number cells are no numbers")
        << ByteList{"", "00020", ""} << QByteArray("00030");
    QTest::newRow("only five characters count") << ByteList{"000105"} << QByteArray("00020");
    QTest::newRow("letters after the fifth") << ByteList{"00010", "00050B"} << QByteArray("00060");
    QTest::newRow("wraps to 00000") << ByteList{"99990"} << QByteArray("00000");
}

void NumberProposalTest::proposes() {
    QFETCH(ByteList, numbers);
    QFETCH(QByteArray, proposal);
    SequenceTable table;
    SequenceRows::fill(table, numbers);
    const ByteList before = SequenceRows::column(table, SequenceTable::NumberColumn);
    QCOMPARE(NumberProposal::propose(table), proposal);
    QCOMPARE(SequenceRows::column(table, SequenceTable::NumberColumn), before);
}

void NumberProposalTest::aLetterAmongTheFirstFiveCharactersDoesNotConvert() {
    SequenceTable table;
    SequenceRows::fill(table, {"00010", "0010A"});
    try {
        NumberProposal::propose(table);
        QFAIL("0010A was taken for a number");
    } catch (const ConversionError& e) {
        QCOMPARE(QString::fromUtf8(e.what()),
                 QStringLiteral("'0010A' ist kein gültiger Integerwert"));
    }
}

void NumberProposalTest::fiveDigits_data() {
    QTest::addColumn<qint64>("value");
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("10") << qint64(10) << QByteArray("00010");
    QTest::newRow("240") << qint64(240) << QByteArray("00240");
    QTest::newRow("250 for row 25") << qint64(250) << QByteArray("00250");
    QTest::newRow("100000") << qint64(100000) << QByteArray("00000");
    QTest::newRow("123456") << qint64(123456) << QByteArray("23456");
}

void NumberProposalTest::fiveDigits() {
    QFETCH(qint64, value);
    QFETCH(QByteArray, text);
    QCOMPARE(NumberProposal::fiveDigits(value), text);
}

QTEST_GUILESS_MAIN(NumberProposalTest)
#include "tst_numberproposal.moc"
