#include "app/frametime.h"

#include <QTest>

class FrameTimeTest : public QObject {
    Q_OBJECT

private slots:
    void limits_data() {
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("frameTime");
        QTest::addColumn<int>("flowStep");
        QTest::addColumn<int>("changeTime");
        QTest::addColumn<bool>("hideFlowTab");
        QTest::addColumn<int>("buffer");
        QTest::newRow("3x24") << 3 << 24 << 84 << 0 << 0 << false << 164;
        QTest::newRow("last unchanged") << 1 << 81 << 94 << 0 << 0 << false << 182;
        QTest::newRow("first flow limit") << 1 << 82 << 96 << 1 << 0 << false << 184;
        QTest::newRow("4x40") << 4 << 40 << 184 << 2 << 0 << false << 340;
        QTest::newRow("flow 250 to even") << 1 << 217 << 250 << 2 << 0 << false << 454;
        QTest::newRow("flow 350 to even") << 1 << 304 << 350 << 4 << 0 << false << 628;
        QTest::newRow("last flow limit") << 1 << 870 << 998 << 10 << 0 << false << 1760;
        QTest::newRow("first hidden tab") << 1 << 871 << 1000 << 0 << 1 << true << 1762;
        QTest::newRow("change 1500 to even") << 1 << 1308 << 1500 << 0 << 2 << true << 2636;
        QTest::newRow("change 2500 to even") << 1 << 2180 << 2500 << 0 << 2 << true << 4380;
        QTest::newRow("10x100") << 10 << 100 << 1148 << 0 << 1 << true << 2020;
        QTest::newRow("150x210") << 150 << 210 << 36096 << 0 << 36 << true << 0;
        QTest::newRow("largest buffer") << 1 << 31489 << 36082 << 0 << 36 << true << 62998;
        QTest::newRow("buffer too large") << 1 << 31490 << 36084 << 0 << 36 << true << 0;
        QTest::newRow("no overflow") << 46341 << 46341 << 2147483647 << 0 << 2147484 << true << 0;
    }
    void limits() {
        QFETCH(int, lines);
        QFETCH(int, columns);
        QFETCH(int, frameTime);
        QFETCH(int, flowStep);
        QFETCH(int, changeTime);
        QFETCH(bool, hideFlowTab);
        QFETCH(int, buffer);
        const FrameTime::FrameLimits limits = FrameTime::frameLimitsFor(lines, columns);
        QCOMPARE(limits.frameTime, frameTime);
        QCOMPARE(limits.flowStepMinimum, flowStep);
        QCOMPARE(limits.changeTimeMinimum, changeTime);
        QCOMPARE(limits.hideFlowTab, hideFlowTab);
        QCOMPARE(FrameTime::outputBufferSizeFor(lines, columns), buffer);
    }

    void roundHalfEven_data() {
        QTest::addColumn<int>("numerator");
        QTest::addColumn<int>("denominator");
        QTest::addColumn<int>("expected");
        QTest::newRow("250/100") << 250 << 100 << 2;
        QTest::newRow("350/100") << 350 << 100 << 4;
        QTest::newRow("1500/1000") << 1500 << 1000 << 2;
        QTest::newRow("2500/1000") << 2500 << 1000 << 2;
        QTest::newRow("below half") << 149 << 100 << 1;
        QTest::newRow("above half") << 251 << 100 << 3;
        QTest::newRow("exact") << 300 << 100 << 3;
        QTest::newRow("negative half") << -250 << 100 << -2;
        QTest::newRow("negative -1.5") << -150 << 100 << -2;
        QTest::newRow("negative denominator") << 350 << -100 << -4;
        QTest::newRow("zero denominator") << 5 << 0 << 0;
    }
    void roundHalfEven() {
        QFETCH(int, numerator);
        QFETCH(int, denominator);
        QFETCH(int, expected);
        QCOMPARE(FrameTime::roundHalfEven(numerator, denominator), expected);
    }
};

QTEST_GUILESS_MAIN(FrameTimeTest)
#include "tst_frametime.moc"
