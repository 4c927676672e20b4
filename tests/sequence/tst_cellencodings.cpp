#include "sequence/cellnumber.h"
#include "sequence/commalist.h"
#include "sequence/conversionerror.h"
#include "sequence/durationcell.h"
#include "sequence/flowparameters.h"
#include "sequence/flowtextcell.h"
#include "sequence/textkind.h"

#include <QTest>

using Lines = QList<QByteArray>;
Q_DECLARE_METATYPE(TextKind)

// The textual encodings of the table cells, which are also the file's contents.
class CellEncodingsTest : public QObject {
    Q_OBJECT

private slots:
    void commaListWrite_data();
    void commaListWrite();
    void commaListRead_data();
    void commaListRead();
    void commaListRoundTrip_data();
    void commaListRoundTrip();
    void flowText_data();
    void flowText();
    void duration_data();
    void duration();
    void durationRefusesGarbage_data();
    void durationRefusesGarbage();
    void flowParameters_data();
    void flowParameters();
    void flowParametersTooShort();
    void kindCodes_data();
    void kindCodes();
    void numbers_data();
    void numbers();
};

void CellEncodingsTest::commaListWrite_data() {
    QTest::addColumn<Lines>("lines");
    QTest::addColumn<QByteArray>("cell");
    QTest::newRow("no lines") << Lines{} << QByteArray();
    QTest::newRow("one empty line") << Lines{""} << QByteArray("\"\"");
    QTest::newRow("plain items") << Lines{"A", "B"} << QByteArray("A,B");
    QTest::newRow("the greeting") << Lines{"GUTEN ABEND", "MEINE", "DAMEN, HERREN"}
                                  << QByteArray("\"GUTEN ABEND\",MEINE,\"DAMEN, HERREN\"");
    QTest::newRow("inner quotes doubled")
        << Lines{"SAG \"JA\""} << QByteArray("\"SAG \"\"JA\"\"\"");
    QTest::newRow("quote alone is quoted") << Lines{"A\"B"} << QByteArray("\"A\"\"B\"");
    QTest::newRow("control byte is quoted") << Lines{"A\tB"} << QByteArray("\"A\tB\"");
    QTest::newRow("empty inner line") << Lines{"A", "", "B"} << QByteArray("A,,B");
    QTest::newRow("empty first line") << Lines{"", "B"} << QByteArray(",B");
    // Unquoted, a trailing comma would read back as nothing and lose the line.
    QTest::newRow("empty last line is kept") << Lines{"A", ""} << QByteArray("A,\"\"");
    QTest::newRow("umlauts stay bytes")
        << Lines{"\xC4\xD6\xDC\xDF"} << QByteArray("\xC4\xD6\xDC\xDF");
}

void CellEncodingsTest::commaListWrite() {
    QFETCH(Lines, lines);
    QFETCH(QByteArray, cell);
    QCOMPARE(CommaList::write(lines), cell);
}

void CellEncodingsTest::commaListRead_data() {
    QTest::addColumn<QByteArray>("cell");
    QTest::addColumn<Lines>("lines");
    QTest::newRow("empty") << QByteArray() << Lines{};
    QTest::newRow("blanks only") << QByteArray("  \t ") << Lines{};
    QTest::newRow("two quotes") << QByteArray("\"\"") << Lines{""};
    QTest::newRow("A,,B") << QByteArray("A,,B") << Lines{"A", "", "B"};
    QTest::newRow("A B unquoted is two items") << QByteArray("A B") << Lines{"A", "B"};
    QTest::newRow("blanks around commas") << QByteArray("  A ,  B  ") << Lines{"A", "B"};
    QTest::newRow("quoted with comma") << QByteArray("\"GUTEN ABEND\",MEINE,\"DAMEN, HERREN\"")
                                       << Lines{"GUTEN ABEND", "MEINE", "DAMEN, HERREN"};
    QTest::newRow("doubled quote") << QByteArray("\"SAG \"\"JA\"\"\"") << Lines{"SAG \"JA\""};
    QTest::newRow("trailing comma adds nothing") << QByteArray("A,") << Lines{"A"};
    QTest::newRow("leading comma") << QByteArray(",B") << Lines{"", "B"};
    QTest::newRow("unclosed quote runs to the end") << QByteArray("\"AB") << Lines{"AB"};
    QTest::newRow("quote inside unquoted item") << QByteArray("A\"B") << Lines{"A\"B"};
    QTest::newRow("text after closing quote") << QByteArray("\"A\"B") << Lines{"A", "B"};
}

void CellEncodingsTest::commaListRead() {
    QFETCH(QByteArray, cell);
    QFETCH(Lines, lines);
    QCOMPARE(CommaList::read(cell), lines);
}

void CellEncodingsTest::commaListRoundTrip_data() {
    QTest::addColumn<Lines>("lines");
    QTest::newRow("mixed") << Lines{" LEFT", "RIGHT ", "", "A,B", "\"", "X"};
    QTest::newRow("only empties") << Lines{"", "", ""};
    QTest::newRow("high bytes") << Lines{"\x80 EURO", "\xFC"};
}

void CellEncodingsTest::commaListRoundTrip() {
    QFETCH(Lines, lines);
    QCOMPARE(CommaList::read(CommaList::write(lines)), lines);
}

void CellEncodingsTest::flowText_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("cell");
    QTest::newRow("plain") << QByteArray("HALLO WELT") << QByteArray("\"HALLO WELT\"");
    QTest::newRow("inner quotes unchanged")
        << QByteArray("HALLO \"DU\"") << QByteArray("\"HALLO \"DU\"\"");
    QTest::newRow("empty") << QByteArray() << QByteArray("\"\"");
}

void CellEncodingsTest::flowText() {
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, cell);
    QCOMPARE(FlowTextCell::write(text), cell);
    QCOMPARE(FlowTextCell::read(cell), text);
    QCOMPARE(FlowTextCell::read("X"), QByteArray());
}

void CellEncodingsTest::duration_data() {
    QTest::addColumn<QByteArray>("cell");
    QTest::addColumn<bool>("preset");
    QTest::addColumn<int>("seconds");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("V0") << QByteArray("V0") << true << 0 << QByteArray("V0");
    QTest::newRow("M75") << QByteArray("M75") << false << 75 << QByteArray("M75");
    QTest::newRow("V45") << QByteArray("V45") << true << 45 << QByteArray("V45");
    QTest::newRow("other letter reads as M")
        << QByteArray("X12") << false << 12 << QByteArray("M12");
    QTest::newRow("lower v is not preset") << QByteArray("v12") << false << 12 << QByteArray("M12");
    QTest::newRow("M86400") << QByteArray("M86400") << false << 86400 << QByteArray("M86400");
}

void CellEncodingsTest::duration() {
    QFETCH(QByteArray, cell);
    QFETCH(bool, preset);
    QFETCH(int, seconds);
    QFETCH(QByteArray, written);
    const DurationCell d = DurationCell::read(cell);
    QCOMPARE(d.preset, preset);
    QCOMPARE(d.seconds, seconds);
    QCOMPARE(d.write(), written);
}

void CellEncodingsTest::durationRefusesGarbage_data() {
    QTest::addColumn<QByteArray>("cell");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("letter only") << QByteArray("V");
    QTest::newRow("letters") << QByteArray("VABC");
    QTest::newRow("decimal point") << QByteArray("M1.5");
}

void CellEncodingsTest::durationRefusesGarbage() {
    QFETCH(QByteArray, cell);
    try {
        DurationCell::read(cell);
        QFAIL("no error");
    } catch (const ConversionError& e) {
        QVERIFY(
            QString::fromUtf8(e.what()).endsWith(QStringLiteral("ist kein gültiger Integerwert")));
    }
}

void CellEncodingsTest::flowParameters_data() {
    QTest::addColumn<QByteArray>("cell");
    QTest::addColumn<int>("lineCount");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("line");
    QTest::addColumn<Lines>("fixed");
    QTest::newRow("three lines") << QByteArray("5,2,OBEN,\"UNTEN LINKS\"") << 3 << 5 << 2
                                 << Lines{"OBEN", "UNTEN LINKS"};
    QTest::newRow("one-line display") << QByteArray("7,1") << 1 << 7 << 1 << Lines{};
    QTest::newRow("extra items ignored") << QByteArray("5,1,A,B") << 2 << 5 << 1 << Lines{"A"};
    QTest::newRow("empty fixed lines") << QByteArray("3,1,,\"\"") << 3 << 3 << 1 << Lines{"", ""};
}

void CellEncodingsTest::flowParameters() {
    QFETCH(QByteArray, cell);
    QFETCH(int, lineCount);
    QFETCH(int, step);
    QFETCH(int, line);
    QFETCH(Lines, fixed);
    const FlowParameters p = FlowParameters::read(cell, lineCount);
    QCOMPARE(p.step, step);
    QCOMPARE(p.line, line);
    QCOMPARE(p.fixedLines, fixed);
    QCOMPARE(FlowParameters::read(p.write(), lineCount).fixedLines, fixed);
}

void CellEncodingsTest::flowParametersTooShort() {
    QVERIFY_THROWS_EXCEPTION(ConversionError, FlowParameters::read("5,1,A", 3));
    QVERIFY_THROWS_EXCEPTION(ConversionError, FlowParameters::read("5", 1));
    QVERIFY_THROWS_EXCEPTION(ConversionError, FlowParameters::read("X,1,A,B", 3));
}

void CellEncodingsTest::kindCodes_data() {
    QTest::addColumn<QByteArray>("cell");
    QTest::addColumn<TextKind>("kind");
    QTest::newRow("BLOCK") << QByteArray("BLOCK") << TextKind::Block;
    QTest::newRow("B") << QByteArray("B") << TextKind::Block;
    QTest::newRow("SCROLL") << QByteArray("SCROLL") << TextKind::Scroll;
    QTest::newRow("S") << QByteArray("S") << TextKind::Scroll;
    QTest::newRow("FLIESS") << QByteArray("FLIESS") << TextKind::Flow;
    QTest::newRow("F") << QByteArray("F") << TextKind::Flow;
    QTest::newRow("lower case is no kind") << QByteArray("block") << TextKind::None;
    QTest::newRow("blank around is no kind") << QByteArray(" B") << TextKind::None;
    QTest::newRow("empty") << QByteArray() << TextKind::None;
}

void CellEncodingsTest::kindCodes() {
    QFETCH(QByteArray, cell);
    QFETCH(TextKind, kind);
    QCOMPARE(TextKindCode::read(cell), kind);
    if (kind != TextKind::None)
        QCOMPARE(TextKindCode::read(TextKindCode::write(kind)), kind);
}

void CellEncodingsTest::numbers_data() {
    QTest::addColumn<QByteArray>("cell");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("value");
    QTest::newRow("plain") << QByteArray("3") << true << 3;
    QTest::newRow("leading zeros") << QByteArray("0010") << true << 10;
    QTest::newRow("leading blank") << QByteArray(" 7") << true << 7;
    QTest::newRow("sign") << QByteArray("-4") << true << -4;
    QTest::newRow("largest") << QByteArray("2147483647") << true << 2147483647;
    QTest::newRow("too large") << QByteArray("2147483648") << false << 0;
    QTest::newRow("trailing blank") << QByteArray("7 ") << false << 0;
    QTest::newRow("empty") << QByteArray() << false << 0;
    QTest::newRow("sign only") << QByteArray("-") << false << 0;
}

void CellEncodingsTest::numbers() {
    QFETCH(QByteArray, cell);
    QFETCH(bool, valid);
    QFETCH(int, value);
    if (valid) {
        QCOMPARE(CellNumber::parse(cell), value);
        return;
    }
    try {
        CellNumber::parse(cell);
        QFAIL("no error");
    } catch (const ConversionError& e) {
        QCOMPARE(
            QString::fromUtf8(e.what()),
            QStringLiteral("'%1' ist kein gültiger Integerwert").arg(QString::fromLatin1(cell)));
    }
}

QTEST_APPLESS_MAIN(CellEncodingsTest)
#include "tst_cellencodings.moc"
