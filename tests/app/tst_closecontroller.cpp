#include "recordingserialport.h"
#include "virtualclock.h"
#include "virtualeventpump.h"

#include "app/closecontroller.h"

#include <QTest>

#include <exception>
#include <functional>

namespace {

// Records what the close asks of the main window, in order.
class FakeHost final : public CloseController::Host {
public:
    QStringList calls;
    bool cancelSave = false;
    bool offline = false;
    CloseController* controller = nullptr;
    bool closedForGood = false;
    std::function<void()> onStop;

    void askToCommitPendingEntry() override { calls << QStringLiteral("commit?"); }
    bool askToSaveModifiedSequence() override {
        calls << QStringLiteral("save?");
        return !cancelSave;
    }
    void stopEditorSimulation() override { calls << QStringLiteral("simulation off"); }
    void stopPlayback() override {
        calls << QStringLiteral("stop");
        if (onStop)
            onStop();
    }
    void writeSettings() override { calls << QStringLiteral("settings"); }
    bool offlineMode() const override { return offline; }
    void closeMainWindow() override {
        calls << QStringLiteral("close");
        closedForGood = controller->closeQuery();
    }
};

struct Rig {
    VirtualClock clock;
    VirtualEventPump pump{clock};
    RecordingSerialPort port;
    FakeHost host;
    CloseController controller{host, port, pump, clock, nullptr};
    Rig() {
        host.controller = &controller;
        port.setAvailablePorts({1});
        port.setPortNumber(1);
        port.open();
    }
};

} // namespace

class CloseControllerTest : public QObject {
    Q_OBJECT

private slots:
    void firstPassThenDelayedClose_data();
    void firstPassThenDelayedClose();
    void cancelKeepsRunning();
    void secondRequestDuringShutdownIsRefusedQuietly();
    void drainWaitsForTheQueueToEmpty();
    void stalledDrainIsGivenUp();
    void nonInteractiveCloseAsksNothing();
    void givingUpClosesWithoutSettings();
    void blankingOnTheWayOutNeverAsksForAPort_data();
    void blankingOnTheWayOutNeverAsksForAPort();
};

void CloseControllerTest::firstPassThenDelayedClose_data() {
    QTest::addColumn<bool>("offline");
    QTest::addColumn<QStringList>("firstPass");
    QTest::newRow("live") << false
                          << QStringList{"commit?", "save?", "simulation off", "stop", "settings"};
    // Offline, the display plays from its own memory: it is not cleared.
    QTest::newRow("offline") << true
                             << QStringList{"commit?", "save?", "simulation off", "settings"};
}

void CloseControllerTest::firstPassThenDelayedClose() {
    QFETCH(bool, offline);
    QFETCH(QStringList, firstPass);
    Rig rig;
    rig.host.offline = offline;

    QVERIFY(!rig.controller.closeQuery());
    QCOMPARE(rig.host.calls, firstPass);
    QVERIFY(rig.controller.closeTimer().isEnabled());
    QCOMPARE(rig.controller.closeTimer().interval(), 500);

    rig.clock.advance(499);
    QVERIFY(!rig.host.closedForGood);
    rig.clock.advance(1);
    QVERIFY(rig.host.closedForGood);
    QVERIFY(rig.controller.closePassTag());
    QVERIFY(!rig.controller.closeTimer().isEnabled());
    // The second pass asks nothing more.
    QCOMPARE(rig.host.calls, firstPass + QStringList{"close"});
    QVERIFY(rig.controller.closeQuery());
}

void CloseControllerTest::cancelKeepsRunning() {
    Rig rig;
    rig.host.cancelSave = true;
    QVERIFY(!rig.controller.closeQuery());
    QCOMPARE(rig.host.calls, (QStringList{"commit?", "save?"}));
    QVERIFY(!rig.controller.closeTimer().isEnabled());
    QVERIFY(!rig.controller.shuttingDown());
    rig.clock.advance(5000);
    QVERIFY(!rig.host.closedForGood);
}

void CloseControllerTest::secondRequestDuringShutdownIsRefusedQuietly() {
    Rig rig;
    QVERIFY(!rig.controller.closeQuery());
    rig.host.calls.clear();
    rig.clock.advance(200);
    QVERIFY(!rig.controller.closeQuery());
    QVERIFY(rig.host.calls.isEmpty());
    rig.clock.advance(300);
    QVERIFY(rig.host.closedForGood);
}

void CloseControllerTest::drainWaitsForTheQueueToEmpty() {
    Rig rig;
    rig.port.setQueued(100);
    rig.pump.setHook([&] { rig.port.setQueued(qMax<qint64>(0, rig.port.queued() - 10)); });
    QVERIFY(!rig.controller.closeQuery());
    QCOMPARE(rig.port.queued(), 0);
    QCOMPARE(rig.pump.calls(), 10);
    // CloseTimer starts only after the drain.
    rig.clock.advance(499);
    QVERIFY(!rig.host.closedForGood);
    rig.clock.advance(1);
    QVERIFY(rig.host.closedForGood);
}

void CloseControllerTest::stalledDrainIsGivenUp() {
    Rig rig;
    rig.port.setQueued(500); // nothing ever leaves: a line nobody reads
    QVERIFY(!rig.controller.closeQuery());
    QCOMPARE(rig.clock.nowMs(), qint64(CloseController::StalledDrainMs));
    QVERIFY(rig.controller.closeTimer().isEnabled());
}

void CloseControllerTest::nonInteractiveCloseAsksNothing() {
    Rig rig;
    QVERIFY(!rig.controller.closeQuery(false));
    QCOMPARE(rig.host.calls, (QStringList{"simulation off", "stop", "settings"}));
}

void CloseControllerTest::givingUpClosesWithoutSettings() {
    Rig rig;
    rig.controller.closeWithoutSaving();
    rig.clock.advance(500);
    QCOMPARE(rig.host.calls, QStringList{"close"});
    QVERIFY(rig.host.closedForGood);
}

void CloseControllerTest::blankingOnTheWayOutNeverAsksForAPort_data() {
    QTest::addColumn<bool>("interactive");
    QTest::newRow("closed by the operator") << true;
    QTest::newRow("ended by the session or a signal") << false;
}

// No port chosen: Stop's blank would open the port on demand, and that asks for a port.
void CloseControllerTest::blankingOnTheWayOutNeverAsksForAPort() {
    QFETCH(bool, interactive);
    Rig rig;
    rig.port.close();
    rig.port.setPortNumber(0);
    int asked = 0;
    rig.port.setPortSelector([&asked] {
        ++asked;
        return 1;
    });
    bool blankFailed = false;
    rig.host.onStop = [&] {
        try {
            rig.port.writeText("\x02    \x03");
        } catch (const std::exception&) {
            blankFailed = true;
        }
    };
    QVERIFY(!rig.controller.closeQuery(interactive));
    QCOMPARE(asked, 0);
    QVERIFY(blankFailed);
    QVERIFY(rig.port.written().isEmpty());
    rig.clock.advance(500);
    QVERIFY(rig.host.closedForGood);
}

QTEST_GUILESS_MAIN(CloseControllerTest)
#include "tst_closecontroller.moc"
