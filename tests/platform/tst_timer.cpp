#include "virtualclock.h"

#include "platform/qtclock.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

// The timer rules, on the virtual clock and on the real QTimer wrapper.
class TimerTest : public QObject {
    Q_OBJECT

private slots:
    void rules_data();
    void rules();
    void handlerMayStopOrRestartItself();
    void orderOfTimersDueTogether();
    void qtTimerKeepsCountdownOnRepeatedSettings();
};

// Script: at each time t (ms from start) apply an action; list the virtual times fired.
void TimerTest::rules_data() {
    QTest::addColumn<QString>("script");
    QTest::addColumn<QList<qint64>>("fired");

    // "e" enable, "d" disable, "iN" interval N, "@T" advance to T.
    QTest::newRow("periodic") << "i100 e @350" << QList<qint64>{100, 200, 300};
    QTest::newRow("same interval keeps countdown") << "i100 e @50 i100 @120" << QList<qint64>{100};
    QTest::newRow("enable while running keeps countdown")
        << "i100 e @50 e @120" << QList<qint64>{100};
    QTest::newRow("new interval restarts countdown") << "i100 e @50 i80 @200" << QList<qint64>{130};
    QTest::newRow("re-enable restarts countdown") << "i100 e @50 d e @160" << QList<qint64>{150};
    QTest::newRow("interval 0 never fires") << "i0 e @1000" << QList<qint64>{};
    QTest::newRow("interval set while stopped waits for enable")
        << "i100 @50 i70 @80 e @200" << QList<qint64>{150};
    QTest::newRow("disabled never fires") << "i100 e d @500" << QList<qint64>{};
}

void TimerTest::rules() {
    QFETCH(QString, script);
    QFETCH(QList<qint64>, fired);

    VirtualClock clock;
    auto timer = clock.createTimer(QStringLiteral("T"), 0, nullptr);
    QList<qint64> seen;
    timer->setOnTimeout([&] { seen << clock.nowMs(); });
    for (const QString& step : script.split(QLatin1Char(' '))) {
        if (step == QLatin1String("e"))
            timer->setEnabled(true);
        else if (step == QLatin1String("d"))
            timer->setEnabled(false);
        else if (step.startsWith(QLatin1Char('i')))
            timer->setInterval(step.mid(1).toInt());
        else if (step.startsWith(QLatin1Char('@')))
            clock.advance(step.mid(1).toLongLong() - clock.nowMs());
    }
    QCOMPARE(seen, fired);
}

void TimerTest::handlerMayStopOrRestartItself() {
    VirtualClock clock;
    auto oneShot = clock.createTimer(QStringLiteral("OneShot"), 200, nullptr);
    auto stepper = clock.createTimer(QStringLiteral("Stepper"), 100, nullptr);
    QList<qint64> shots, steps;
    oneShot->setOnTimeout([&] {
        oneShot->setEnabled(false);
        shots << clock.nowMs();
    });
    stepper->setOnTimeout([&] {
        steps << clock.nowMs();
        stepper->setInterval(300); // first tick at 100, then every 300
    });
    oneShot->setEnabled(true);
    stepper->setEnabled(true);
    clock.advance(1000);
    QCOMPARE(shots, QList<qint64>{200});
    QCOMPARE(steps, (QList<qint64>{100, 400, 700, 1000}));
}

void TimerTest::orderOfTimersDueTogether() {
    VirtualClock clock;
    auto a = clock.createTimer(QStringLiteral("A"), 100, nullptr);
    auto b = clock.createTimer(QStringLiteral("B"), 100, nullptr);
    QString order;
    a->setOnTimeout([&] { order += QLatin1Char('a'); });
    b->setOnTimeout([&] { order += QLatin1Char('b'); });
    b->setEnabled(true);
    a->setEnabled(true);
    clock.advance(200);
    QCOMPARE(order, QStringLiteral("baba"));
    QCOMPARE(clock.timer(QStringLiteral("A")), a.get());
}

// QTimer restarts on every start()/setInterval(); the wrapper must not. Checked by the
// order of two real timers, never by measuring elapsed time.
void TimerTest::qtTimerKeepsCountdownOnRepeatedSettings() {
    QObject owner;
    QtClock clock;
    auto watched = clock.createTimer(QStringLiteral("Watched"), 60, &owner);
    QCOMPARE(owner.findChild<QTimer*>(QStringLiteral("Watched")) != nullptr, true);
    int ticks = 0;
    watched->setOnTimeout([&] { ++ticks; });
    watched->setEnabled(true);
    // Poke it with "no change" settings far more often than its interval: a restarting
    // timer would never tick.
    QTimer poker;
    poker.setTimerType(Qt::PreciseTimer);
    QObject::connect(&poker, &QTimer::timeout, [&] {
        watched->setInterval(60);
        watched->setEnabled(true);
    });
    poker.start(5);
    QTRY_VERIFY_WITH_TIMEOUT(ticks >= 1, 5000);
    poker.stop();
}

QTEST_GUILESS_MAIN(TimerTest)
#include "tst_timer.moc"
