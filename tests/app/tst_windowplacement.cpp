#include "app/windowplacement.h"

#include <QTest>

#include <limits>

class WindowPlacementTest : public QObject {
    Q_OBJECT

private slots:
    void keepReachable_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("extent");
        QTest::addColumn<int>("expected");
        QTest::newRow("on screen") << 100 << 1920 << 100;
        QTest::newRow("at the limit") << 1870 << 1920 << 1870;
        QTest::newRow("past the limit") << 1871 << 1920 << 20;
        QTest::newRow("far off") << 5000 << 1080 << 20;
        QTest::newRow("tiny screen") << 0 << 40 << 20;
        QTest::newRow("no overflow") << 0 << std::numeric_limits<int>::min() << 20;
    }
    void keepReachable() {
        QFETCH(int, position);
        QFETCH(int, extent);
        QFETCH(int, expected);
        QCOMPARE(WindowPlacement::keepReachable(position, extent), expected);
    }
};

QTEST_GUILESS_MAIN(WindowPlacementTest)
#include "tst_windowplacement.moc"
