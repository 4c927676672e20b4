#include "virtualclock.h"

#include "display/supervisionwindow.h"

#include <QFontMetrics>
#include <QLabel>
#include <QTest>

class SupervisionWindowTest : public QObject {
    Q_OBJECT

private slots:
    void fieldsHugTheDisplay_data();
    void fieldsHugTheDisplay();
    void linesAreShownUnchanged();
    void offlineNeverShows();
};

void SupervisionWindowTest::fieldsHugTheDisplay_data() {
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("fields");
    QTest::newRow("3x24") << 3 << 24 << 3;
    QTest::newRow("one line") << 1 << 10 << 1;
    QTest::newRow("wide lines cap the field at 300 letters") << 2 << 400 << 2;
    QTest::newRow("more lines than fields") << 160 << 10 << 151;
}

void SupervisionWindowTest::fieldsHugTheDisplay() {
    QFETCH(int, lines);
    QFETCH(int, columns);
    QFETCH(int, fields);
    VirtualClock clock;
    SupervisionWindow window(clock);
    window.buildLineFields(lines, columns);
    QCOMPARE(window.lineFieldCount(), fields);

    QLabel* first = window.lineField(0);
    QCOMPARE(first->objectName(), QStringLiteral("Zeile0"));
    QCOMPARE(first->pos(), QPoint(5, 5));
    QCOMPARE(first->palette().color(QPalette::Window), QColor(0, 0, 128));
    QCOMPARE(first->palette().color(QPalette::WindowText), QColor(Qt::white));
    QCOMPARE(first->font().pixelSize(), 13);
    const QFontMetrics metrics(first->font());
    const int letters = qMin(columns + 1, 300);
    QVERIFY(first->width() >= metrics.horizontalAdvance(QString(letters, QLatin1Char('H'))));

    QLabel* last = window.lineField(fields - 1);
    QCOMPARE(last->objectName(), QStringLiteral("Zeile%1").arg(fields - 1));
    QCOMPARE(last->y(), 5 + (fields - 1) * (first->height() + 2));
    QCOMPARE(window.fittedSize(), QSize(first->width() + 15, last->geometry().bottom() + 1 + 10));
    QCOMPARE(window.size(), window.fittedSize());
}

void SupervisionWindowTest::linesAreShownUnchanged() {
    VirtualClock clock;
    SupervisionWindow window(clock);
    window.buildLineFields(3, 24);
    const QByteArray longLine(30, 'A');
    window.showLine(0, longLine);
    window.showLine(2, "\xC4\xD6\xDC\x80");
    window.showLine(3, "no field"); // beyond the display: ignored
    window.showLine(-1, "none");
    QCOMPARE(window.lineField(0)->text(), QString(30, QLatin1Char('A')));
    QCOMPARE(window.lineField(2)->text(), QStringLiteral("ÄÖÜ€"));
    window.showLine(0, QByteArray());
    QCOMPARE(window.lineField(0)->text(), QString());
}

void SupervisionWindowTest::offlineNeverShows() {
    for (bool offline : {false, true}) {
        VirtualClock clock;
        SupervisionWindow window(clock);
        window.buildLineFields(3, 24);
        window.setOfflineMode(offline);
        window.showTimer().setEnabled(true);
        clock.advance(100);
        QCOMPARE(window.isVisible(), !offline);
        QVERIFY(!window.showTimer().isEnabled());
        clock.advance(1000);
    }
}

QTEST_MAIN(SupervisionWindowTest)
#include "tst_supervisionwindow.moc"
