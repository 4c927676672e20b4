#include "sequencerows.h"

#include "sequence/activemarks.h"
#include "sequence/marklist.h"
#include "sequence/rowselection.h"
#include "sequence/sequencetable.h"

#include <QSignalSpy>
#include <QTest>

using Numbers = QList<QByteArray>;
using Marker = SequenceTable::Marker;

namespace {

void fill(SequenceTable& table, const Numbers& numbers, const QByteArray& active = "JA") {
    std::vector<SequenceTable::Cells> rows;
    for (const QByteArray& n : numbers) {
        SequenceTable::Cells c;
        c[SequenceTable::NumberColumn] = n;
        c[SequenceTable::ActiveColumn] = n.isEmpty() ? QByteArray() : active;
        c[SequenceTable::TextColumn] = "T" + n;
        rows.push_back(c);
    }
    table.setRows(rows);
}

Numbers numbersOf(const SequenceTable& table) {
    return SequenceRows::column(table, SequenceTable::NumberColumn);
}

} // namespace

class SequenceTableTest : public QObject {
    Q_OBJECT

private slots:
    void newTableHasOneEmptyRow();
    void sort_data();
    void sort();
    void sortMovesWholeRowsAndSelection();
    void findNumber_data();
    void findNumber();
    void toggleActive_data();
    void toggleActive();
    void ensureActive();
    void markerClicks();
    void removeLastRowLeavesEmptyRow();
    void otherLanguageWords();
};

void SequenceTableTest::newTableHasOneEmptyRow() {
    SequenceTable table;
    QCOMPARE(table.gridRowCount(), 2);
    QVERIFY(!table.holdsEntry(1));
    QCOMPARE(table.cell(SequenceTable::NumberColumn, 1), QByteArray());
    QCOMPARE(table.cell(SequenceTable::NumberColumn, 5), QByteArray()); // outside: empty
    QVERIFY(!table.toggleActive(1, ActiveMarks::forLanguage("D")));
    MarkList marks;
    table.clickMarker(1, marks);
    QCOMPARE(table.marker(1), Marker::Normal);
    QVERIFY(marks.numbers().isEmpty());
}

void SequenceTableTest::sort_data() {
    QTest::addColumn<Numbers>("before");
    QTest::addColumn<Numbers>("after");
    QTest::newRow("prefix and case")
        << Numbers{"0010a", "0010A", "00100"} << Numbers{"00100", "0010A", "0010a"};
    QTest::newRow("byte order") << Numbers{"a", "A", "00020", "0002", "00010"}
                                << Numbers{"00010", "0002", "00020", "A", "a"};
    QTest::newRow("empty first") << Numbers{"00020", "", "00010"} << Numbers{"", "00010", "00020"};
    QTest::newRow("umlaut after z") << Numbers{"\xC4", "Z", "z"} << Numbers{"Z", "z", "\xC4"};
    QTest::newRow("already sorted") << Numbers{"1", "2", "3"} << Numbers{"1", "2", "3"};
}

void SequenceTableTest::sort() {
    QFETCH(Numbers, before);
    QFETCH(Numbers, after);
    SequenceTable table;
    fill(table, before);
    table.sortByNumber(1);
    QCOMPARE(numbersOf(table), after);
}

void SequenceTableTest::sortMovesWholeRowsAndSelection() {
    SequenceTable table;
    RowSelection selection(table);
    fill(table, {"00030", "00010", "00020"});
    table.setMarker(1, Marker::Playing);
    table.setMarker(2, Marker::Marked);
    selection.select(1);
    QSignalSpy selected(&selection, &RowSelection::rowSelected);

    const int followed = table.sortByNumber(selection.selectedRow());

    QCOMPARE(numbersOf(table), (Numbers{"00010", "00020", "00030"}));
    QCOMPARE(followed, 3);
    QCOMPARE(selection.selectedRow(), 3);
    QCOMPARE(selected.count(), 0); // the editor is not reloaded by a sort
    QCOMPARE(table.cell(SequenceTable::TextColumn, 3), QByteArray("T00030"));
    QCOMPARE(table.marker(3), Marker::Playing);
    QCOMPARE(table.marker(1), Marker::Marked);
    QCOMPARE(table.marker(2), Marker::Normal);
}

void SequenceTableTest::findNumber_data() {
    QTest::addColumn<QByteArray>("number");
    QTest::addColumn<int>("row");
    QTest::newRow("exact") << QByteArray("00015a") << 2;
    QTest::newRow("other case") << QByteArray("00015A") << 2;
    QTest::newRow("umlaut case") << QByteArray("\xE4RGER") << 3;
    QTest::newRow("absent") << QByteArray("00016") << 0;
    QTest::newRow("prefix is not a match") << QByteArray("0001") << 0;
    QTest::newRow("empty finds the empty row") << QByteArray() << 4;
}

void SequenceTableTest::findNumber() {
    QFETCH(QByteArray, number);
    QFETCH(int, row);
    SequenceTable table;
    fill(table, {"00010", "00015a", "\xC4rger", ""});
    QCOMPARE(table.findNumber(number), row);
}

void SequenceTableTest::toggleActive_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<Numbers>("aktiv");
    QTest::addColumn<int>("row");
    QTest::addColumn<QByteArray>("result");
    QTest::newRow("active becomes inactive")
        << "D" << Numbers{"JA", "JA"} << 1 << QByteArray("NEIN");
    QTest::newRow("only active stays active")
        << "D" << Numbers{"JA", "NEIN"} << 1 << QByteArray("JA");
    QTest::newRow("inactive becomes active")
        << "D" << Numbers{"JA", "NEIN"} << 2 << QByteArray("JA");
    QTest::newRow("any other text becomes active")
        << "D" << Numbers{"JA", "X"} << 2 << QByteArray("JA");
    QTest::newRow("english words") << "GB" << Numbers{"YES", "YES"} << 2 << QByteArray("NO");
    QTest::newRow("lower-case ja keeps the rule")
        << "D" << Numbers{"JA", "ja"} << 1 << QByteArray("NEIN");
}

void SequenceTableTest::toggleActive() {
    QFETCH(QString, language);
    QFETCH(Numbers, aktiv);
    QFETCH(int, row);
    QFETCH(QByteArray, result);
    SequenceTable table;
    fill(table, {"1", "2"});
    for (int r = 0; r < aktiv.size(); ++r)
        table.setCell(SequenceTable::ActiveColumn, r + 1, aktiv[r]);
    QVERIFY(table.toggleActive(row, ActiveMarks::forLanguage(language)));
    QCOMPARE(table.cell(SequenceTable::ActiveColumn, row), result);
}

void SequenceTableTest::ensureActive() {
    SequenceTable table;
    fill(table, {"1", "2"}, "NEIN");
    table.ensureActive(2, ActiveMarks::forLanguage("D"));
    QCOMPARE(table.cell(SequenceTable::ActiveColumn, 1), QByteArray("NEIN"));
    QCOMPARE(table.cell(SequenceTable::ActiveColumn, 2), QByteArray("JA"));
    // With one active entry nothing changes.
    table.ensureActive(1, ActiveMarks::forLanguage("D"));
    QCOMPARE(table.cell(SequenceTable::ActiveColumn, 1), QByteArray("NEIN"));
}

void SequenceTableTest::markerClicks() {
    SequenceTable table;
    MarkList marks;
    fill(table, {"1", "2", "3"});
    table.setMarker(3, Marker::Playing);

    table.clickMarker(1, marks);
    table.clickMarker(2, marks);
    QCOMPARE(marks.numbers(), (Numbers{"1", "2"}));
    QCOMPARE(table.marker(1), Marker::Marked);

    table.clickMarker(1, marks); // unmark
    QCOMPARE(table.marker(1), Marker::Normal);
    table.clickMarker(1, marks); // mark again: now at the end, once
    QCOMPARE(marks.numbers(), (Numbers{"2", "1"}));

    table.clickMarker(3, marks); // the playing row does not change
    QCOMPARE(table.marker(3), Marker::Playing);
    QCOMPARE(marks.numbers(), (Numbers{"2", "1"}));

    table.setMarker(2, Marker::Initial); // any other colour counts as normal
    marks.remove("2");
    table.clickMarker(2, marks);
    QCOMPARE(table.marker(2), Marker::Marked);
}

void SequenceTableTest::removeLastRowLeavesEmptyRow() {
    SequenceTable table;
    fill(table, {"1", "2"});
    table.removeDataRow(1);
    QCOMPARE(numbersOf(table), Numbers{"2"});
    table.setMarker(1, Marker::Marked);
    table.removeDataRow(1);
    QCOMPARE(table.gridRowCount(), 2);
    QVERIFY(!table.holdsEntry(1));
    QCOMPARE(table.marker(1), Marker::Normal);
}

void SequenceTableTest::otherLanguageWords() {
    // A cell written under the other language keeps its meaning.
    QVERIFY(ActiveMarks::isActive("YES"));
    QVERIFY(ActiveMarks::isActive("JA"));
    QVERIFY(ActiveMarks::isInactive("NO"));
    QVERIFY(!ActiveMarks::isActive("ja"));
    QVERIFY(ActiveMarks::isActiveIgnoringCase("yes"));
    SequenceTable table;
    fill(table, {"1", "2"}, "YES");
    table.setCell(SequenceTable::ActiveColumn, 2, "NO");
    // German operator toggles an English "YES": it was the only active one, so it stays.
    table.toggleActive(1, ActiveMarks::forLanguage("D"));
    QCOMPARE(table.cell(SequenceTable::ActiveColumn, 1), QByteArray("JA"));
    table.toggleActive(2, ActiveMarks::forLanguage("D"));
    QCOMPARE(table.cell(SequenceTable::ActiveColumn, 2), QByteArray("JA"));
}

QTEST_GUILESS_MAIN(SequenceTableTest)
#include "tst_sequencetable.moc"
