#include "sequencerows.h"

#include "sequence/sequenceentry.h"

#include <QTest>

using Cells = SequenceTable::Cells;
using Lines = QList<QByteArray>;
using Activity = SequenceEntry::Activity;
Q_DECLARE_METATYPE(Cells)
Q_DECLARE_METATYPE(Activity)
Q_DECLARE_METATYPE(TextKind)

namespace {

// The cells after the marker column, in column order; missing cells stay empty.
Cells row(std::initializer_list<QByteArray> parts) {
    Cells cells;
    size_t column = SequenceTable::NumberColumn;
    for (const QByteArray& part : parts)
        cells[column++] = part;
    return cells;
}

} // namespace

// One entry from the eight cells of its row and back.
class SequenceEntryTest : public QObject {
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
    void decodesFields();
    void activity_data();
    void activity();
    void failingCell_data();
    void failingCell();
    void unknownKindKeepsDefaults();
    void cellsDecodedEachOnTheirOwn_data();
    void cellsDecodedEachOnTheirOwn();
};

void SequenceEntryTest::roundTrip_data() {
    QTest::addColumn<Cells>("cells");
    QTest::addColumn<QString>("language");
    QTest::newRow("block") << row({"00010", "JA", "BLOCK", "\"GUTEN ABEND\",MEINE", "3", "M6",
                                   "\"SAG \"\"JA\"\"\""})
                           << "D";
    QTest::newRow("block of one empty line")
        << row({"00020", "NEIN", "BLOCK", "\"\"", "5", "V45", ""}) << "D";
    QTest::newRow("block of no lines") << row({"A", "YES", "BLOCK", "", "1", "M0", ""}) << "GB";
    QTest::newRow("scroll") << row({"a10", "NO", "SCROLL", "EINS,ZWEI", "3600", "M30", "X,,Y"})
                            << "GB";
    QTest::newRow("flow, three lines")
        << row({"00030", "JA", "FLIESS", "\"HALLO \"DU\"\"", "5,2,OBEN,\"\"", "V9", ""}) << "D";
    QTest::newRow("unmarked entry") << row({"00040", "", "BLOCK", "A", "3", "M3", ""}) << "D";
    QTest::newRow("umlauts stay bytes")
        << row({"\xC4", "JA", "SCROLL", "\xD6\xDC", "3", "M3", "\xDF"}) << "D";
}

void SequenceEntryTest::roundTrip() {
    QFETCH(Cells, cells);
    QFETCH(QString, language);
    const SequenceEntry entry = SequenceEntry::fromCells(cells, 3);
    QCOMPARE(entry.toCells(ActiveMarks::forLanguage(language)), cells);
}

void SequenceEntryTest::decodesFields() {
    const SequenceEntry block =
        SequenceEntry::fromCells(row({"7", "JA", "B", "\"A B\",C", "4", "V75", "N1,N2"}), 3);
    QCOMPARE(block.kind, TextKind::Block);
    QCOMPARE(block.lines, (Lines{"A B", "C"}));
    QCOMPARE(block.changeTime, 4);
    QVERIFY(block.hasPresetDuration());
    QCOMPARE(block.durationSeconds, 75);
    QCOMPARE(block.note, (Lines{"N1", "N2"}));

    const SequenceEntry flow = SequenceEntry::fromCells(
        row({"8", "JA", "F", "\"X\"", "7,3,ERSTE,ZWEITE,DRITTE", "M3"}), 3);
    QCOMPARE(flow.flowText(), QByteArray("X"));
    QCOMPARE(flow.flowStep, 7);
    QCOMPARE(flow.runningLine, 3);
    // Items beyond the display's lines are not the entry's.
    QCOMPARE(flow.fixedLines, (Lines{"ERSTE", "ZWEITE"}));
    QVERIFY(!flow.hasPresetDuration());
}

void SequenceEntryTest::activity_data() {
    QTest::addColumn<QByteArray>("cell");
    QTest::addColumn<Activity>("activity");
    QTest::newRow("JA") << QByteArray("JA") << Activity::Active;
    QTest::newRow("YES") << QByteArray("YES") << Activity::Active;
    QTest::newRow("NEIN") << QByteArray("NEIN") << Activity::Inactive;
    QTest::newRow("NO") << QByteArray("NO") << Activity::Inactive;
    // Neither active for the editor nor skipped by playback.
    QTest::newRow("lower case") << QByteArray("ja") << Activity::Unmarked;
    QTest::newRow("empty") << QByteArray() << Activity::Unmarked;
}

void SequenceEntryTest::activity() {
    QFETCH(QByteArray, cell);
    QFETCH(Activity, activity);
    Cells cells = SequenceRows::entry("1");
    cells[SequenceTable::ActiveColumn] = cell;
    const SequenceEntry entry = SequenceEntry::fromCells(cells, 3);
    QCOMPARE(entry.activity, activity);
    QCOMPARE(entry.isActive(), activity == Activity::Active);
    QCOMPARE(entry.isInactive(), activity == Activity::Inactive);
}

void SequenceEntryTest::failingCell_data() {
    QTest::addColumn<Cells>("cells");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("noteDecoded");
    QTest::newRow("duration letters")
        << row({"1", "JA", "BLOCK", "A", "3", "MX", "N"}) << int(SequenceTable::DurationColumn)
        << "'X' ist kein gültiger Integerwert" << false;
    QTest::newRow("empty duration")
        << row({"1", "JA", "BLOCK", "A", "3", "", "N"}) << int(SequenceTable::DurationColumn)
        << "'' ist kein gültiger Integerwert" << false;
    QTest::newRow("block parameter")
        << row({"1", "JA", "BLOCK", "A", "3s", "M3", "N"}) << int(SequenceTable::ParameterColumn)
        << "'3s' ist kein gültiger Integerwert" << true;
    QTest::newRow("scroll parameter empty")
        << row({"1", "JA", "S", "A", "", "M3", "N"}) << int(SequenceTable::ParameterColumn)
        << "'' ist kein gültiger Integerwert" << true;
    QTest::newRow("flow step") << row({"1", "JA", "F", "\"A\"", "x,1,B,C", "M3", "N"})
                               << int(SequenceTable::ParameterColumn)
                               << "'x' ist kein gültiger Integerwert" << true;
    QTest::newRow("flow list too short")
        << row({"1", "JA", "F", "\"A\"", "5,1,B", "M3", "N"}) << int(SequenceTable::ParameterColumn)
        << "Listenindex überschreitet das Maximum (3)" << true;
}

void SequenceEntryTest::failingCell() {
    QFETCH(Cells, cells);
    QFETCH(int, column);
    QFETCH(QString, message);
    QFETCH(bool, noteDecoded);

    const EntryDecoding decoding = SequenceEntry::decode(cells, 3);
    QVERIFY(!decoding.complete());
    QCOMPARE(decoding.error->column(), column);
    QCOMPARE(QString::fromUtf8(decoding.error->what()), message);
    // The cells before the failing one are decoded, the failing one is not.
    QVERIFY(decoding.decodedCell(SequenceTable::ActiveColumn));
    QCOMPARE(decoding.entry.number, QByteArray("1"));
    QVERIFY(decoding.entry.isActive());
    QVERIFY(!decoding.decodedCell(column));
    QVERIFY(!decoding.decodedCell(SequenceTable::ParameterColumn));
    QCOMPARE(decoding.decodedCell(SequenceTable::NoteColumn), noteDecoded);
    QCOMPARE(decoding.decodedCell(SequenceTable::TextColumn), noteDecoded);
    QCOMPARE(decoding.entry.note, noteDecoded ? Lines{"N"} : Lines{});

    try {
        SequenceEntry::fromCells(cells, 3);
        QFAIL("no error");
    } catch (const CellConversionError& e) {
        QCOMPARE(e.column(), column);
        QCOMPARE(QString::fromUtf8(e.what()), message);
    }
}

void SequenceEntryTest::unknownKindKeepsDefaults() {
    const SequenceEntry entry =
        SequenceEntry::fromCells(row({"1", "JA", "block", "A,B", "junk", "M3"}), 3);
    QCOMPARE(entry.kind, TextKind::None);
    QVERIFY(entry.lines.isEmpty());
    QCOMPARE(entry.changeTime, 3);
    const Cells cells = entry.toCells(ActiveMarks::forLanguage("D"));
    QVERIFY(cells[SequenceTable::KindColumn].isEmpty());
    QVERIFY(cells[SequenceTable::TextColumn].isEmpty());
    QVERIFY(cells[SequenceTable::ParameterColumn].isEmpty());
}

void SequenceEntryTest::cellsDecodedEachOnTheirOwn_data() {
    QTest::addColumn<Cells>("cells");
    QTest::addColumn<TextKind>("kind");
    QTest::addColumn<Lines>("lines");
    QTest::addColumn<bool>("preset");
    QTest::addColumn<Lines>("fixedLines");
    QTest::addColumn<QStringList>("errors");
    const QString notInteger = QStringLiteral("'%1' ist kein gültiger Integerwert");
    QTest::newRow("minimum Dauer without seconds, good block")
        << row({"1", "JA", "B", "A,B", "4", "MX", "N"}) << TextKind::Block << Lines{"A", "B"}
        << false << Lines{} << QStringList{notInteger.arg("X")};
    QTest::newRow("preset Dauer without seconds keeps its mode")
        << row({"1", "JA", "S", "A", "4", "Vx", "N"}) << TextKind::Scroll << Lines{"A"} << true
        << Lines{} << QStringList{notInteger.arg("x")};
    QTest::newRow("flow parameters short of the display's lines")
        << row({"1", "JA", "F", "\"A\"", "5,2,TOP", "M3", "N"}) << TextKind::Flow << Lines{"A"}
        << false << Lines{"TOP"} << QStringList{};
    QTest::newRow("flow parameters beyond the display's lines")
        << row({"1", "JA", "F", "\"A\"", "5,2,a,b,c,d", "M3", "N"}) << TextKind::Flow << Lines{"A"}
        << false << Lines{"a", "b", "c", "d"} << QStringList{};
    QTest::newRow("empty Dauer and a flow without its line")
        << row({"1", "JA", "F", "\"A\"", "5", "", "N"}) << TextKind::Flow << Lines{"A"} << false
        << Lines{} << QStringList{notInteger.arg(""), notInteger.arg("")};
}

// Each cell reports its own error; a failing cell hides none of the others.
void SequenceEntryTest::cellsDecodedEachOnTheirOwn() {
    QFETCH(Cells, cells);
    QFETCH(TextKind, kind);
    QFETCH(Lines, lines);
    QFETCH(bool, preset);
    QFETCH(Lines, fixedLines);
    QFETCH(QStringList, errors);

    const EntryDecoding decoding =
        SequenceEntry::decodeEach(cells, {SequenceTable::DurationColumn, SequenceTable::TextColumn,
                                          SequenceTable::ParameterColumn});
    const SequenceEntry& entry = decoding.entry;
    QCOMPARE(entry.kind, kind);
    QVERIFY(decoding.decodedCell(SequenceTable::TextColumn));
    QCOMPARE(entry.lines, lines);
    QCOMPARE(entry.hasPresetDuration(), preset);
    QCOMPARE(entry.fixedLines, fixedLines);
    QStringList messages;
    for (const CellConversionError& e : decoding.cellErrors)
        messages << QString::fromUtf8(e.what());
    QCOMPARE(messages, errors);
    QCOMPARE(decoding.complete(), errors.isEmpty());
    QCOMPARE(decoding.errorOf(SequenceTable::DurationColumn) != nullptr,
             !decoding.decodedCell(SequenceTable::DurationColumn));
    // Cells not asked for stay undecoded.
    QVERIFY(!decoding.decodedCell(SequenceTable::NoteColumn));
    QVERIFY(entry.note.isEmpty());
}

QTEST_GUILESS_MAIN(SequenceEntryTest)
#include "tst_sequenceentry.moc"
