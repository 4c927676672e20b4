#include "sequencerows.h"

#include "editor/entrytakeover.h"
#include "sequence/commalist.h"
#include "sequence/rowselection.h"
#include "sequence/sequencefile.h"
#include "sequence/sequencetable.h"

#include <QTest>

using Refusal = EntryTakeover::Refusal;
using Refusals = QList<Refusal>;
using Lines = QList<QByteArray>;
Q_DECLARE_METATYPE(Refusals)
Q_DECLARE_METATYPE(TextKind)

namespace {

// A table of entries 00010, 00020, 00030 and a block text of lines for the given number.
struct Rig {
    SequenceTable table;
    RowSelection selection{table};
    EntryTakeover takeover{table, selection};
    EntryTakeover::Request request;

    Rig() {
        SequenceRows::fill(table, {"00010", "00020", "00030"});
        request.entry.kind = TextKind::Block;
        request.marks = ActiveMarks::forLanguage(QStringLiteral("D"));
    }
    EntryTakeover::Outcome take(const QByteArray& number, int selected, bool rename = false,
                                bool newEntry = false) {
        selection.select(selected);
        request.entry.number = number;
        request.selectedRow = selected;
        request.renameOnCommit = rename;
        request.newEntry = newEntry;
        return takeover.take(request);
    }
    QList<QByteArray> numbers() const {
        QList<QByteArray> out;
        for (int r = 1; r < table.gridRowCount(); ++r)
            out << table.cell(SequenceTable::NumberColumn, r);
        return out;
    }
};

// Lines of 24 letters whose comma list is `size` bytes long.
Lines linesOfListSize(qsizetype size) {
    Lines lines;
    for (; size > 25; size -= 25)
        lines << QByteArray(24, 'A');
    lines << QByteArray(size, 'A');
    return lines;
}

} // namespace

// The rules of "OK" on plain values: no widget involved.
class EntryTakeoverTest : public QObject {
    Q_OBJECT

private slots:
    void numberAndRow_data();
    void numberAndRow();
    void duration_data();
    void duration();
    void lastActiveEntryStaysActive();
    void textsMadeDisplayable();
    void newEntryReplacesNone_data();
    void newEntryReplacesNone();
    void whatTheTableHoldsOpensAgain_data();
    void whatTheTableHoldsOpensAgain();
};

void EntryTakeoverTest::numberAndRow_data() {
    QTest::addColumn<QByteArray>("number");
    QTest::addColumn<int>("selected");
    QTest::addColumn<bool>("rename");
    QTest::addColumn<Refusals>("refusals");
    QTest::addColumn<Lines>("numbers");
    QTest::addColumn<int>("row");
    const Lines unchanged{"00010", "00020", "00030"};
    QTest::newRow("own number edits")
        << QByteArray("00020") << 2 << false << Refusals{} << unchanged << 2;
    QTest::newRow("new number adds, sorted in") << QByteArray("00015") << 3 << false << Refusals{}
                                                << Lines{"00010", "00015", "00020", "00030"} << 2;
    QTest::newRow("rename takes the selected entry")
        << QByteArray("00040") << 1 << true << Refusals{} << Lines{"00020", "00030", "00040"} << 3;
    QTest::newRow("another row's number, ignoring case")
        << QByteArray("00030") << 1 << false << Refusals{Refusal::DuplicateNumber} << unchanged
        << 0;
    QTest::newRow("empty number") << QByteArray() << 1 << false << Refusals{Refusal::EmptyNumber}
                                  << unchanged << 0;
}

void EntryTakeoverTest::newEntryReplacesNone_data() {
    QTest::addColumn<QByteArray>("number");
    QTest::addColumn<bool>("rename");
    QTest::addColumn<Refusals>("refusals");
    QTest::addColumn<Lines>("numbers");
    const Lines unchanged{"00010", "00020", "00030"};
    // The fields were emptied for a new entry while 00020 stayed selected.
    QTest::newRow("the selected entry's number")
        << QByteArray("00020") << false << Refusals{Refusal::DuplicateNumber} << unchanged;
    QTest::newRow("another entry's number")
        << QByteArray("00030") << false << Refusals{Refusal::DuplicateNumber} << unchanged;
    QTest::newRow("a free number adds")
        << QByteArray("00040") << false << Refusals{} << Lines{"00010", "00020", "00030", "00040"};
    QTest::newRow("rename does not write over the selected entry")
        << QByteArray("00040") << true << Refusals{} << Lines{"00010", "00020", "00030", "00040"};
}

// "Neuer Text" proposed a number the selected entry had: "OK" wrote the new text over it.
void EntryTakeoverTest::newEntryReplacesNone() {
    QFETCH(QByteArray, number);
    QFETCH(bool, rename);
    QFETCH(Refusals, refusals);
    QFETCH(Lines, numbers);
    Rig rig;
    rig.request.entry.lines = {"NEU"};
    const EntryTakeover::Outcome outcome = rig.take(number, 2, rename, true);
    QCOMPARE(outcome.refusals, refusals);
    QCOMPARE(rig.numbers(), numbers);
    QCOMPARE(rig.table.cell(SequenceTable::TextColumn, 2), QByteArray("TEXT00020"));
}

void EntryTakeoverTest::whatTheTableHoldsOpensAgain_data() {
    QTest::addColumn<TextKind>("kind");
    QTest::addColumn<int>("column");
    QTest::addColumn<qsizetype>("size");
    const qsizetype max = SequenceFile::MaxCellBytes;
    const struct {
        const char* name;
        TextKind kind;
        int column;
    } cells[] = {{"block text", TextKind::Block, SequenceTable::TextColumn},
                 {"scroll text", TextKind::Scroll, SequenceTable::TextColumn},
                 {"flowing text", TextKind::Flow, SequenceTable::TextColumn},
                 {"note", TextKind::Block, SequenceTable::NoteColumn}};
    for (const auto& cell : cells)
        for (const qsizetype size : {max - 1, max, max + 1})
            QTest::addRow("%s of %lld bytes", cell.name, qlonglong(size))
                << cell.kind << cell.column << size;
}

// A text whose cell the reader would refuse never enters the table; every other one saves to
// a file that opens again with the same rows.
void EntryTakeoverTest::whatTheTableHoldsOpensAgain() {
    QFETCH(TextKind, kind);
    QFETCH(int, column);
    QFETCH(qsizetype, size);
    Rig rig;
    SequenceEntry& entry = rig.request.entry;
    entry.kind = kind;
    if (column == SequenceTable::NoteColumn)
        entry.note = linesOfListSize(size);
    else if (kind == TextKind::Flow)
        entry.lines = {QByteArray(size - 2, 'A')}; // written in quotes
    else
        entry.lines = linesOfListSize(size);
    const std::vector<SequenceTable::Cells> before = SequenceFile::lines(rig.table).rows;
    const EntryTakeover::Outcome outcome = rig.take("00040", 1);

    const SequenceFile::Lines saved = SequenceFile::lines(rig.table);
    if (size > SequenceFile::MaxCellBytes) {
        QCOMPARE(outcome.refusals, Refusals{Refusal::CellTooLong});
        QCOMPARE(outcome.tooLongColumn, column);
        QCOMPARE(outcome.tooLongSize, size);
        QVERIFY(saved.rows == before);
        QCOMPARE(rig.selection.selectedRow(), 1);
        return;
    }
    QVERIFY(outcome.taken());
    QCOMPARE(rig.table.cell(column, 4).size(), size);
    const SequenceFile::Lines opened = SequenceFile::decode(SequenceFile::encode(rig.table));
    QVERIFY(opened.rows == saved.rows);
    QVERIFY(opened.cutLines.empty());
}

void EntryTakeoverTest::numberAndRow() {
    QFETCH(QByteArray, number);
    QFETCH(int, selected);
    QFETCH(bool, rename);
    QFETCH(Refusals, refusals);
    QFETCH(Lines, numbers);
    QFETCH(int, row);
    Rig rig;
    const EntryTakeover::Outcome outcome = rig.take(number, selected, rename);
    QCOMPARE(outcome.refusals, refusals);
    QCOMPARE(rig.numbers(), numbers);
    if (outcome.taken()) {
        QCOMPARE(outcome.row, row);
        QCOMPARE(rig.selection.selectedRow(), row);
    }
}

void EntryTakeoverTest::duration_data() {
    QTest::addColumn<bool>("preset");
    QTest::addColumn<int>("minutes");
    QTest::addColumn<int>("seconds");
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("changeTime");
    QTest::addColumn<QByteArray>("cell");
    QTest::addColumn<bool>("raised");
    QTest::addColumn<bool>("fieldsSet");
    // Three display lines: pages of three lines times the change time.
    QTest::newRow("preset at the minimum")
        << true << 0 << 9 << 9 << 3 << QByteArray("V9") << false << false;
    QTest::newRow("preset below the minimum")
        << true << 0 << 9 << 10 << 3 << QByteArray("M12") << true << true;
    QTest::newRow("sixty seconds stay")
        << true << 1 << 60 << 1 << 3 << QByteArray("V120") << false << false;
    QTest::newRow("minimum mode takes the minimum")
        << false << 5 << 0 << 4 << 5 << QByteArray("M10") << false << true;
    // 90000 s is more than the minutes field holds: 1440 minutes and 0 seconds.
    QTest::newRow("minutes cut to their range")
        << false << 0 << 0 << 30000 << 9 << QByteArray("M86400") << false << true;
}

void EntryTakeoverTest::duration() {
    QFETCH(bool, preset);
    QFETCH(int, minutes);
    QFETCH(int, seconds);
    QFETCH(int, lines);
    QFETCH(int, changeTime);
    QFETCH(QByteArray, cell);
    QFETCH(bool, raised);
    QFETCH(bool, fieldsSet);
    Rig rig;
    rig.request.entry.durationMode =
        preset ? SequenceEntry::DurationMode::Preset : SequenceEntry::DurationMode::Minimum;
    rig.request.durationMinutes = minutes;
    rig.request.durationSeconds = seconds;
    rig.request.entry.lines = Lines(lines, "X");
    rig.request.entry.changeTime = changeTime;
    const EntryTakeover::Outcome outcome = rig.take("00020", 2);
    QCOMPARE(rig.table.cell(SequenceTable::DurationColumn, 2), cell);
    QCOMPARE(outcome.durationRaised, raised);
    QCOMPARE(outcome.durationFieldsSet, fieldsSet);
    QCOMPARE(qint64(outcome.durationMinutes) * 60 + outcome.durationSeconds,
             SequenceEntry::fromCells(rig.table.rowCells(2), 3).durationSeconds);
}

void EntryTakeoverTest::lastActiveEntryStaysActive() {
    Rig rig;
    rig.table.setRows({SequenceRows::entry("00010", {}, "NEIN"), SequenceRows::entry("00020")});
    rig.request.entry.activity = SequenceEntry::Activity::Inactive;
    rig.take("00020", 2);
    QCOMPARE(rig.table.cell(SequenceTable::ActiveColumn, 2), QByteArray("JA"));
    rig.table.setCell(SequenceTable::ActiveColumn, 1, "JA");
    rig.take("00020", 2);
    QCOMPARE(rig.table.cell(SequenceTable::ActiveColumn, 2), QByteArray("NEIN"));
}

void EntryTakeoverTest::textsMadeDisplayable() {
    Rig rig;
    rig.request.entry.kind = TextKind::Flow;
    rig.request.entry.lines = {"Hallo\r\nWelt\r\n"};
    rig.request.entry.fixedLines = {"a\xE9", "ok"};
    rig.request.entry.note = {"A\tB"};
    const EntryTakeover::Outcome outcome = rig.take("00020", 2);
    QCOMPARE(outcome.written.flowText(), QByteArray("HALLO WELT"));
    QCOMPARE(outcome.written.fixedLines, (Lines{"A#", "OK"}));
    QCOMPARE(outcome.replacedCharacters, Lines{"\xE9"});
    QCOMPARE(rig.table.rowCells(2), outcome.written.toCells(rig.request.marks));
    QCOMPARE(rig.table.cell(SequenceTable::NoteColumn, 2), QByteArray("\"A B\""));
}

QTEST_GUILESS_MAIN(EntryTakeoverTest)
#include "tst_entrytakeover.moc"
