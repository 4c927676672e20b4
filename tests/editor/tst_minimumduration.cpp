#include "editor/minimumduration.h"

#include <QTest>

class MinimumDurationTest : public QObject {
    Q_OBJECT

private slots:
    void seconds_data();
    void seconds();
};

void MinimumDurationTest::seconds_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("amount");
    QTest::addColumn<int>("parameter");
    QTest::addColumn<int>("lineCount");
    QTest::addColumn<int>("columnCount");
    QTest::addColumn<qint64>("expected");

    const int block = int(TextKind::Block);
    const int scroll = int(TextKind::Scroll);
    const int flow = int(TextKind::Flow);
    // Pages are rounded up; an empty block needs no time at all.
    QTest::newRow("block 7 lines, 3 s pages") << block << 7 << 3 << 3 << 24 << qint64(9);
    QTest::newRow("block 6 lines fill 2 pages") << block << 6 << 3 << 3 << 24 << qint64(6);
    QTest::newRow("block empty") << block << 0 << 3 << 3 << 24 << qint64(0);
    QTest::newRow("block 3 lines, 5 s") << block << 3 << 5 << 3 << 24 << qint64(5);
    QTest::newRow("block 4 lines, 5 s") << block << 4 << 5 << 3 << 24 << qint64(10);
    QTest::newRow("block one-line display") << block << 4 << 2 << 1 << 24 << qint64(8);
    // A scroll text runs until its last line has left the display.
    QTest::newRow("scroll 7 lines") << scroll << 7 << 3 << 3 << 24 << qint64(30);
    QTest::newRow("scroll empty, 2 lines") << scroll << 0 << 3 << 2 << 24 << qint64(6);
    // Flowing: tenths cut towards zero.
    QTest::newRow("flow 40 chars, step 5") << flow << 40 << 5 << 3 << 24 << qint64(32);
    QTest::newRow("flow 40 chars, step 3 cut") << flow << 40 << 3 << 3 << 24 << qint64(19);
    QTest::newRow("flow 13 chars, 20 columns") << flow << 13 << 7 << 3 << 20 << qint64(23);
    QTest::newRow("flow empty") << flow << 0 << 10 << 3 << 24 << qint64(24);
    // Long texts at the longest times do not overflow.
    QTest::newRow("scroll huge") << scroll << 2000000 << 3600 << 3 << 24 << qint64(2000003) * 3600;
    QTest::newRow("no kind") << int(TextKind::None) << 7 << 3 << 3 << 24 << qint64(0);
}

void MinimumDurationTest::seconds() {
    QFETCH(int, kind);
    QFETCH(int, amount);
    QFETCH(int, parameter);
    QFETCH(int, lineCount);
    QFETCH(int, columnCount);
    QFETCH(qint64, expected);
    MinimumDurationInput input;
    input.kind = TextKind(kind);
    input.amount = amount;
    input.parameter = parameter;
    input.lineCount = lineCount;
    input.columnCount = columnCount;
    QCOMPARE(minimumDuration(input), expected);
}

QTEST_APPLESS_MAIN(MinimumDurationTest)
#include "tst_minimumduration.moc"
