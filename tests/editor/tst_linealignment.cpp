#include "editor/linealignment.h"

#include <QTest>

class LineAlignmentTest : public QObject {
    Q_OBJECT

private slots:
    void aligned_data();
    void aligned();
    void onlyTheChosenLines();
};

Q_DECLARE_METATYPE(LineAlignment)

void LineAlignmentTest::aligned_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<LineAlignment>("alignment");
    QTest::addColumn<int>("columns");
    QTest::addColumn<QByteArray>("expected");

    const auto L = LineAlignment::Left;
    const auto C = LineAlignment::Centre;
    const auto R = LineAlignment::Right;
    const QByteArray hallo("  HALLO  ");
    QTest::newRow("left trims") << hallo << L << 24 << QByteArray("HALLO");
    QTest::newRow("centre, odd remainder: smaller half in front, nothing behind")
        << hallo << C << 24 << QByteArray(9, ' ') + "HALLO";
    QTest::newRow("right") << hallo << R << 24 << QByteArray(19, ' ') + "HALLO";
    QTest::newRow("centre, even remainder") << QByteArray("AB") << C << 6 << QByteArray("  AB");
    QTest::newRow("one short of the width: only trimmed")
        << QByteArray(" ") + QByteArray(23, 'X') << C << 24 << QByteArray(23, 'X');
    QTest::newRow("empty line left") << QByteArray() << L << 24 << QByteArray();
    QTest::newRow("empty line centre") << QByteArray() << C << 24 << QByteArray(12, ' ');
    QTest::newRow("empty line right") << QByteArray() << R << 24 << QByteArray(24, ' ');
    QTest::newRow("too long centred keeps all but the last")
        << QByteArray(26, 'X') << C << 24 << QByteArray(25, 'X');
    QTest::newRow("too long right is cut to the width")
        << QByteArray(26, 'X') << R << 24 << QByteArray(24, 'X');
    QTest::newRow("controls and line ends trimmed")
        << QByteArray("\t\x01 A B\r\n\x00", 10) << L << 24 << QByteArray("A B");
    QTest::newRow("no-break space stays") << QByteArray("\xa0"
                                                        "A\xa0")
                                          << R << 5
                                          << QByteArray("  \xa0"
                                                        "A\xa0");
    QTest::newRow("no width: right gives nothing") << QByteArray("AB") << R << 0 << QByteArray();
}

void LineAlignmentTest::aligned() {
    QFETCH(QByteArray, line);
    QFETCH(LineAlignment, alignment);
    QFETCH(int, columns);
    QFETCH(QByteArray, expected);
    QCOMPARE(LineAlignments::alignLine(line, alignment, columns), expected);
}

void LineAlignmentTest::onlyTheChosenLines() {
    const QList<QByteArray> lines{" A ", " B ", " C ", " D "};
    QCOMPARE(LineAlignments::alignLines(lines, 1, 2, LineAlignment::Left, 24),
             (QList<QByteArray>{" A ", "B", "C", " D "}));
    // A caret after the last line chooses none.
    QCOMPARE(LineAlignments::alignLines(lines, 4, 4, LineAlignment::Left, 24), lines);
}

QTEST_APPLESS_MAIN(LineAlignmentTest)
#include "tst_linealignment.moc"
