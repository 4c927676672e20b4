#include "recordingserialport.h"
#include "virtualclock.h"
#include "virtualeventpump.h"

#include "display/displayoutput.h"
#include "display/screenframe.h"

#include "windows/languageswitch.h"

#include <QTest>

namespace {

// A send with everything a test looks at: the port's record, the mirrored lines, every
// status text in order.
struct Rig {
    VirtualClock clock;
    VirtualEventPump pump{clock};
    RecordingSerialPort port;
    DisplayOutput output{port, pump, clock};
    QList<QPair<int, QByteArray>> mirrored;
    QStringList statuses;

    explicit Rig(int lines = 3, int columns = 24) {
        output.setGeometry(lines, columns);
        output.setOutputEnabled(true);
        output.setMirror(
            [this](int index, const QByteArray& slot) { mirrored << qMakePair(index, slot); });
        output.setStatusSink([this](const QString& text) { statuses << text; });
        port.setAvailablePorts({1});
        port.setPortNumber(1);
    }
    void openPort() { port.open(); }
    // Each pump call drains this many queued bytes.
    void drainPerEvent(qint64 bytes) {
        pump.setHook([this, bytes] { port.setQueued(std::max<qint64>(0, port.queued() - bytes)); });
    }
};

QByteArray frameOf(const DisplayImage& image, int lines, int columns) {
    return ScreenFrame::build(image, lines, columns);
}

} // namespace

class DisplayOutputTest : public QObject {
    Q_OBJECT

private slots:
    void writesOneFrameAndClearsStatus();
    void disabledOutputMirrorsButWritesNothing();
    void mirrorGetsSlotsUnchanged();
    void failureShowsMessageUntilNextGoodSend_data();
    void failureShowsMessageUntilNextGoodSend();
    void flowControl_data();
    void flowControl();
    void overtakenSendDropsItsOlderFrame();
    void stalledLineGivesUp();
    void slowButSteadyDrainIsNoStall();
    void pulledDeviceReopensOnDemand();
};

void DisplayOutputTest::writesOneFrameAndClearsStatus() {
    Rig rig;
    rig.output.image().setLine(0, "HALLO");
    rig.output.image().setLine(2, "\xC4\xD6\xDC");
    rig.output.sendDisplayImage();

    QCOMPARE(rig.port.writes().size(), 1);
    QCOMPARE(rig.port.writes().first(), frameOf(rig.output.image(), 3, 24));
    QCOMPARE(rig.port.writes().first().size(), 74);
    QCOMPARE(rig.port.openCount(), 1); // opened on demand
    QCOMPARE(rig.statuses, QStringList{QString()});
    QCOMPARE(rig.pump.calls(), 0);
}

void DisplayOutputTest::disabledOutputMirrorsButWritesNothing() {
    Rig rig;
    rig.output.setOutputEnabled(false);
    rig.output.image().setLine(0, "HALLO");
    rig.output.sendDisplayImage();

    QVERIFY(rig.port.writes().isEmpty());
    QCOMPARE(rig.port.openCount(), 0);
    QCOMPARE(rig.mirrored.size(), 3);
    QCOMPARE(rig.mirrored.first().second, QByteArray("HALLO"));
    QCOMPARE(rig.statuses, QStringList{QString()});
}

void DisplayOutputTest::mirrorGetsSlotsUnchanged() {
    Rig rig(3, 24);
    const QByteArray tabbed("A\tB\r\n");
    const QByteArray longText(30, 'L');
    rig.output.image().setLine(0, tabbed);
    rig.output.image().setLine(2, longText);
    rig.output.image().setLine(3, "NOT SHOWN");
    rig.output.sendDisplayImage();

    const QList<QPair<int, QByteArray>> expected{{0, tabbed}, {1, QByteArray()}, {2, longText}};
    QCOMPARE(rig.mirrored, expected);
    QCOMPARE(rig.port.writes().first().mid(49, 24), QByteArray(24, 'L'));
}

void DisplayOutputTest::failureShowsMessageUntilNextGoodSend_data() {
    QTest::addColumn<QString>("failure");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("message");

    const QString german = QStringLiteral("Ausgabe nicht möglich, da COM-Port3 nicht verfügbar");
    const QString english = QStringLiteral("No output because COM-Port3 not available");
    QTest::newRow("not openable, German") << "absent"
                                          << "D" << german;
    QTest::newRow("not openable, English") << "absent"
                                           << "GB" << english;
    QTest::newRow("lower-case gb is German") << "absent"
                                             << "gb" << german;
    QTest::newRow("write refused") << "refuse"
                                   << "GB" << english;
    QTest::newRow("frame larger than the buffer") << "small buffer"
                                                  << "D" << german;
}

void DisplayOutputTest::failureShowsMessageUntilNextGoodSend() {
    QFETCH(QString, failure);
    QFETCH(QString, language);
    QFETCH(QString, message);

    Rig rig;
    LanguageSwitch languages;
    languages.apply(language);
    rig.port.setPortNumber(3);
    rig.port.setAvailablePorts(failure == QLatin1String("absent") ? QSet<int>{} : QSet<int>{3});
    rig.port.setRefuseWrites(failure == QLatin1String("refuse"));
    if (failure == QLatin1String("small buffer"))
        rig.port.setOutputBufferSize(73);

    rig.output.sendDisplayImage(); // must not throw
    QVERIFY(rig.port.writes().isEmpty());
    QCOMPARE(rig.pump.calls(), 0); // waiting cannot help: nothing is queued
    QCOMPARE(rig.statuses, QStringList{message});
    QCOMPARE(DisplayOutput::unavailableMessage(3), message);

    rig.port.setAvailablePorts({3});
    rig.port.setRefuseWrites(false);
    rig.port.setOutputBufferSize(SerialPort::DefaultOutputBufferSize);
    rig.output.sendDisplayImage();
    QCOMPARE(rig.port.writes().size(), 1);
    QCOMPARE(rig.statuses.last(), QString());
}

// The queue drains by a fixed amount per processed event; the send must wait exactly as
// long as too much is queued, then write once.
void DisplayOutputTest::flowControl_data() {
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("columns");
    QTest::addColumn<bool>("open");
    QTest::addColumn<qint64>("queued");
    QTest::addColumn<qint64>("drain");
    QTest::addColumn<int>("events");

    // 3x24: at most 82 bytes may stay queued.
    QTest::newRow("at the limit: no wait") << 3 << 24 << true << qint64(82) << qint64(5) << 0;
    QTest::newRow("one above: one event") << 3 << 24 << true << qint64(83) << qint64(1) << 1;
    QTest::newRow("drains in steps") << 3 << 24 << true << qint64(100) << qint64(5) << 4;
    // 150x210 on the 63000-byte buffer: 31510 queued passes the queued limit, but 31510 plus
    // a 31502-byte frame overflows the buffer; wait down to 31498.
    QTest::newRow("large display waits for buffer room")
        << 150 << 210 << true << qint64(31510) << qint64(4) << 3;
    QTest::newRow("large display with room")
        << 150 << 210 << true << qint64(31498) << qint64(4) << 0;
    QTest::newRow("closed port holds nothing")
        << 3 << 24 << false << qint64(5000) << qint64(1) << 0;
}

void DisplayOutputTest::flowControl() {
    QFETCH(int, lines);
    QFETCH(int, columns);
    QFETCH(bool, open);
    QFETCH(qint64, queued);
    QFETCH(qint64, drain);
    QFETCH(int, events);

    Rig rig(lines, columns);
    if (open)
        rig.openPort();
    rig.port.setQueued(queued);
    qint64 queuedAtWrite = -1;
    rig.drainPerEvent(drain);
    rig.output.setStatusSink([&](const QString& text) {
        rig.statuses << text;
        queuedAtWrite = rig.port.queued();
    });
    rig.output.sendDisplayImage();

    QCOMPARE(rig.pump.calls(), events);
    QCOMPARE(rig.port.writes().size(), 1);
    QCOMPARE(rig.port.writes().first().size(), lines * columns + 2);
    QCOMPARE(rig.statuses, QStringList{QString()});
    if (open)
        QCOMPARE(queuedAtWrite, std::max<qint64>(0, queued - drain * events));
}

// A tick during the wait sends a newer image; the older frame must not follow it.
void DisplayOutputTest::overtakenSendDropsItsOlderFrame() {
    Rig rig;
    rig.openPort();
    rig.port.setQueued(200);
    rig.drainPerEvent(10);
    auto tick = rig.clock.createTimer(QStringLiteral("Tick"), 3, nullptr);
    tick->setOnTimeout([&] {
        tick->setEnabled(false);
        rig.output.image().setLine(0, "NEU");
        rig.output.sendDisplayImage();
    });
    tick->setEnabled(true);

    rig.output.image().setLine(0, "ALT");
    rig.output.sendDisplayImage();

    QCOMPARE(rig.port.writes().size(), 1);
    QCOMPARE(rig.port.writes().first().mid(1, 3), QByteArray("NEU"));
    QCOMPARE(rig.statuses, QStringList{QString()}); // only the newer send reported
    // Both images reached the supervision window, the newer one last.
    QCOMPARE(rig.mirrored.size(), 6);
    QCOMPARE(rig.mirrored.at(3).second, QByteArray("NEU"));

    // The next send goes through normally again.
    rig.output.image().setLine(0, "DANACH");
    rig.output.sendDisplayImage();
    QCOMPARE(rig.port.writes().size(), 2);
    QCOMPARE(rig.port.writes().last().mid(1, 6), QByteArray("DANACH"));
}

void DisplayOutputTest::stalledLineGivesUp() {
    Rig rig;
    LanguageSwitch languages;
    languages.apply(QStringLiteral("GB"));
    rig.openPort();
    rig.port.setQueued(1000);
    rig.output.sendDisplayImage();

    QVERIFY(rig.port.writes().isEmpty());
    QCOMPARE(rig.clock.nowMs(), DisplayOutput::StallTimeoutMs);
    QCOMPARE(rig.statuses,
             QStringList{QStringLiteral("No output because COM-Port1 not available")});

    // Once the line drains, sending works and the message goes.
    rig.port.setQueued(0);
    rig.output.sendDisplayImage();
    QCOMPARE(rig.port.writes().size(), 1);
    QCOMPARE(rig.statuses.last(), QString());
}

// Progress resets the stall countdown: a queue that drops every 1500 ms takes longer than
// 2000 ms in all, yet never stalls.
void DisplayOutputTest::slowButSteadyDrainIsNoStall() {
    Rig rig;
    rig.openPort();
    rig.port.setQueued(400);
    rig.pump.setHook([&] {
        if (rig.clock.nowMs() % 1500 == 0)
            rig.port.setQueued(rig.port.queued() - 200);
    });
    rig.output.sendDisplayImage();

    QCOMPARE(rig.port.writes().size(), 1);
    QCOMPARE(rig.clock.nowMs(), qint64(3000));
    QCOMPARE(rig.statuses, QStringList{QString()});
}

void DisplayOutputTest::pulledDeviceReopensOnDemand() {
    Rig rig;
    rig.port.setPortNumber(2);
    rig.port.setAvailablePorts({2});
    rig.output.sendDisplayImage();
    QCOMPARE(rig.port.writes().size(), 1);

    rig.port.pullDevice(2);
    QVERIFY(!rig.port.isOpen());
    rig.output.sendDisplayImage();
    QCOMPARE(rig.port.writes().size(), 1);
    QCOMPARE(rig.statuses.last(),
             QStringLiteral("Ausgabe nicht möglich, da COM-Port2 nicht verfügbar"));

    // Pulled while a send waits: the wait ends and the write reports the missing device.
    rig.port.setAvailablePorts({2});
    rig.port.open();
    rig.port.setQueued(1000);
    rig.pump.setHook([&] { rig.port.pullDevice(2); });
    rig.output.sendDisplayImage();
    QCOMPARE(rig.pump.calls(), 1);
    QCOMPARE(rig.port.writes().size(), 1);
    QCOMPARE(rig.statuses.last(),
             QStringLiteral("Ausgabe nicht möglich, da COM-Port2 nicht verfügbar"));

    rig.pump.setHook({});
    rig.port.setAvailablePorts({2});
    rig.output.sendDisplayImage();
    QCOMPARE(rig.port.writes().size(), 2);
    QCOMPARE(rig.port.openCount(), 3);
    QCOMPARE(rig.statuses.last(), QString());
}

QTEST_GUILESS_MAIN(DisplayOutputTest)
#include "tst_displayoutput.moc"
