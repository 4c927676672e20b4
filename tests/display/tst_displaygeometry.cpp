#include "display/displaygeometry.h"

#include <QTest>

class DisplayGeometryTest : public QObject {
    Q_OBJECT

private slots:
    void fromSettings_data();
    void fromSettings();
};

void DisplayGeometryTest::fromSettings_data() {
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("lineCount");
    QTest::addColumn<int>("columnCount");
    QTest::addColumn<bool>("adjusted");

    QTest::newRow("default") << 3 << 24 << 3 << 24 << false;
    QTest::newRow("150x210 fits the buffer once") << 150 << 210 << 150 << 210 << false;
    QTest::newRow("most lines") << 151 << 417 << 151 << 417 << false;
    QTest::newRow("one line, whole buffer") << 1 << 62998 << 1 << 62998 << false;
    QTest::newRow("too many lines") << 152 << 10 << 151 << 10 << true;
    QTest::newRow("more lines than slots") << 600 << 24 << 151 << 24 << true;
    QTest::newRow("no lines") << 0 << 24 << 1 << 24 << true;
    QTest::newRow("negative values") << -5 << -1 << 1 << 1 << true;
    QTest::newRow("no columns") << 3 << 0 << 3 << 1 << true;
    QTest::newRow("frame too big for the buffer") << 150 << 420 << 150 << 419 << true;
    QTest::newRow("one line too wide") << 1 << 70000 << 1 << 62998 << true;
    QTest::newRow("lines clamped before columns") << 1000 << 1000 << 151 << 417 << true;
}

void DisplayGeometryTest::fromSettings() {
    QFETCH(int, lines);
    QFETCH(int, columns);
    QFETCH(int, lineCount);
    QFETCH(int, columnCount);
    QFETCH(bool, adjusted);

    const DisplayGeometry geometry = DisplayGeometry::fromSettings(lines, columns);
    QCOMPARE(geometry.lineCount, lineCount);
    QCOMPARE(geometry.columnCount, columnCount);
    QCOMPARE(geometry.adjusted, adjusted);
    QVERIFY(geometry.lineCount * geometry.columnCount + 2 <= 63000);
}

QTEST_GUILESS_MAIN(DisplayGeometryTest)
#include "tst_displaygeometry.moc"
