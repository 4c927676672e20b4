#include "board/frameparser.h"
#include "board/uploadparser.h"
#include "display/displayimage.h"
#include "display/screenframe.h"
#include "display/uploadbuilder.h"
#include "sequence/sequencefile.h"
#include "sequence/sequencetable.h"

#include "../support/sequencerows.h"

#include <QTest>

using Rows = QList<QStringList>;
using Entry = UploadParser::Entry;

namespace {

QByteArray withChecksum(const QByteArray& body) {
    const QByteArray withEnd = body + char(0xF3);
    return withEnd + UploadBuilder::checksum(withEnd);
}

QByteArray built(const Rows& rows, int lines, int columns) {
    SequenceTable table;
    std::vector<SequenceTable::Cells> cells;
    for (const QStringList& row : rows)
        cells.push_back(SequenceRows::cells(row));
    table.setRows(cells);
    const UploadBuilder::Result result = UploadBuilder::build(table, lines, columns);
    return result.data;
}

Entry entry(char kind, int time, QList<QByteArray> lines, int runningLine = 0,
            QByteArray flowText = {}) {
    Entry e;
    e.kind = kind;
    e.time = time;
    e.lines = std::move(lines);
    e.runningLine = runningLine;
    e.flowText = std::move(flowText);
    return e;
}

} // namespace

Q_DECLARE_METATYPE(QList<Entry>)

class UploadParserTest : public QObject {
    Q_OBJECT

private slots:
    void faults_data();
    void faults();
    void readsBackWhatTheProgramBuilds_data();
    void readsBackWhatTheProgramBuilds();
    void framesReadBackWhatTheProgramBuilds();
    void demoSequenceUploadsAsItShows();
};

// Each upload on a board of 2 x 2, checked as the board checks it.
void UploadParserTest::faults_data() {
    QTest::addColumn<QByteArray>("upload");
    QTest::addColumn<QString>("fault");
    const QByteArray good = withChecksum("020002B03ABCD\x02");
    QTest::newRow("sound") << good << QString();
    QTest::newRow("no entry at all") << withChecksum("020002") << QString();
    QByteArray flipped = good;
    flipped[9] = 'X';
    QTest::newRow("a byte changed on the way") << flipped << QStringLiteral("checksum");
    QTest::newRow("other board size") << withChecksum("030002B03ABCDEF\x02")
                                      << QStringLiteral("header 030002 does not match the board");
    QTest::newRow("header not digits")
        << withChecksum("02 002") << QStringLiteral("header is not six digits");
    // An empty time gave one character "0" once: every byte after it shifts.
    QTest::newRow("one-digit time") << withChecksum("020002B3ABCD\x02")
                                    << QStringLiteral("record 1: record time is not two digits");
    QTest::newRow("block not whole pages")
        << withChecksum("020002B03AB\x02") << QStringLiteral("record 1: block is not whole pages");
    QTest::newRow("flowing text without fixed line")
        << withChecksum("020002F0501\x02")
        << QStringLiteral("record 1: flowing text lacks its fixed lines");
    QTest::newRow("unknown kind") << withChecksum("020002Q\x02")
                                  << QStringLiteral("record 1: unknown record kind");
    QTest::newRow("checksum cut short")
        << good.chopped(1) << QStringLiteral("end byte and checksum not where expected");
    QTest::newRow("bytes after the checksum")
        << good + "X" << QStringLiteral("end byte and checksum not where expected");
}

void UploadParserTest::faults() {
    QFETCH(QByteArray, upload);
    QFETCH(QString, fault);
    QCOMPARE(UploadParser::parse(upload, 2, 2).fault, fault);
}

// The program's builder makes the upload, the board's parser reads the same entries back.
void UploadParserTest::readsBackWhatTheProgramBuilds_data() {
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("columns");
    QTest::addColumn<QList<Entry>>("entries");
    QTest::newRow("block on 3 x 24 filled to a page")
        << Rows{{"1", "JA", "BLOCK", "HALLO,WELT", "3", "M3"}} << 3 << 24
        << QList<Entry>{entry('B', 3,
                              {QByteArray("HALLO").leftJustified(24),
                               QByteArray("WELT").leftJustified(24), QByteArray(24, ' ')})};
    QTest::newRow("scroll, flowing text, umlauts, an unknown kind")
        << Rows{{"1", "JA", "S", "ÄÖ,Ü", "12", "M3"},
                {"2", "NEIN", "S", "X", "3", "M3"},
                {"3", "YES", "F", "\"LAUF ó TEXT\"", "5,2,OBEN", "M3"},
                {"4", "JA", "X", "A", "3", "M3"}}
        << 2 << 4
        << QList<Entry>{entry('S', 12, {"\xC4\xD6  ", "\xDC   "}),
                        entry('F', 5, {"OBEN"}, 2, "LAUF \xF3 TEXT"), Entry{}};
}

void UploadParserTest::readsBackWhatTheProgramBuilds() {
    QFETCH(Rows, rows);
    QFETCH(int, lines);
    QFETCH(int, columns);
    QFETCH(QList<Entry>, entries);
    const QByteArray upload = built(rows, lines, columns);
    QVERIFY(!upload.isEmpty());
    QCOMPARE(UploadParser::completeLength(upload + "trailing"), upload.size());
    QCOMPARE(UploadParser::completeLength(upload.chopped(1)), 0);
    const UploadParser::Result result = UploadParser::parse(upload, lines, columns);
    QCOMPARE(result.fault, QString());
    QCOMPARE(result.entries.size(), entries.size());
    for (qsizetype i = 0; i < entries.size(); ++i)
        QVERIFY2(result.entries.at(i) == entries.at(i), qPrintable(QString::number(i)));
}

void UploadParserTest::framesReadBackWhatTheProgramBuilds() {
    DisplayImage image;
    image.setLine(0, "HALLO");
    image.setLine(2, "\xC4\xD6\xDC\tX");
    const auto lines = FrameParser::parse(ScreenFrame::build(image, 3, 4), 3, 4);
    QVERIFY(lines.has_value());
    QCOMPARE(*lines, (QList<QByteArray>{"HALL", "    ", "\xC4\xD6\xDC "}));
    QVERIFY(!FrameParser::parse(ScreenFrame::build(image, 2, 4), 3, 4).has_value());
}

// The demo the README starts with holds a block, a scroll and a flowing text for 3 x 24.
void UploadParserTest::demoSequenceUploadsAsItShows() {
    const QString path = QFINDTESTDATA("../../demo/demo.lta");
    QVERIFY(!path.isEmpty());
    SequenceTable table;
    SequenceFile::load(table, path);
    const UploadBuilder::Result upload = UploadBuilder::build(table, 3, 24);
    QVERIFY(upload.ok());
    const UploadParser::Result result = UploadParser::parse(upload.data, 3, 24);
    QCOMPARE(result.fault, QString());
    QCOMPARE(result.entries.size(), 3);
    QCOMPARE(result.entries.at(0).kind, 'B');
    QCOMPARE(result.entries.at(0).lines.size(), 6);
    QCOMPARE(result.entries.at(1).kind, 'S');
    QCOMPARE(result.entries.at(2).kind, 'F');
    QVERIFY(result.entries.at(2).flowText.contains("VERGN\xDCGEN"));
}

QTEST_APPLESS_MAIN(UploadParserTest)
#include "tst_uploadparser.moc"
