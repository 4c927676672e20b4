#include "cuesystem.h"
#include "virtualclock.h"

#include "remote/osccodec.h"
#include "remote/oscstreamframer.h"
#include "remote/remotecommandtarget.h"
#include "remote/remoterequest.h"
#include "remote/remoteserver.h"

#include <QSignalSpy>
#include <QTcpSocket>
#include <QTest>

#include <memory>

namespace {

struct CountingTarget final : RemoteCommandTarget {
    int runs = 0;
    RemoteState shown;
    void run(const RemoteRequest&, const QString&, Finished finished) override {
        ++runs;
        finished({});
    }
    RemoteState state() const override { return shown; }
};

struct Rig {
    VirtualClock clock;
    CountingTarget target;
    RemoteServer server{target, clock};
    CueSystem cues;
    quint16 port = CueSystem::freePort();
    quint16 textPort = CueSystem::freePort();

    bool listen() {
        return port && textPort && server.listen({QStringLiteral("127.0.0.1"), port, textPort});
    }
};

// Runs events until the condition holds or five seconds pass.
template <typename Condition> bool eventually(Condition condition) {
    return QTest::qWaitFor(condition, 5000);
}

} // namespace

class RemoteServerTest : public QObject {
    Q_OBJECT

private slots:
    void answersEachTransportInItsOwnFraming();
    void updatesReachSubscribersWhenTheStateChanges();
    void aStalledClientHoldsNobodyBack();
    void idleConnectionsCloseAfterTenMinutes();
    void connectionsAreBounded();
    void aPortInUseIsReported();
};

void RemoteServerTest::answersEachTransportInItsOwnFraming() {
    Rig rig;
    QVERIFY(rig.listen());
    QVERIFY(rig.server.isListening());
    rig.cues.sendOsc(rig.port, "/lumentafel/next");
    QCOMPARE(rig.cues.nextOscReply(), QByteArray("/lumentafel/reply/next ok "));
    rig.cues.sendText(rig.textPort, "/lumentafel/goto 00120\n");
    QCOMPARE(rig.cues.nextTextReply(), QByteArray("ok \n"));
    rig.cues.sendText(rig.textPort, "/lumentafel/goto x");
    QCOMPARE(rig.cues.nextTextReply(), QByteArray("error the text number must be 1 to 99999\n"));

    QVERIFY(rig.cues.connectTcp(rig.port));
    rig.cues.sendTcp("/lumentafel/previous");
    QCOMPARE(rig.cues.nextTcpReply(), QByteArray("/lumentafel/reply/previous ok "));
    QCOMPARE(rig.target.runs, 3);
    QVERIFY(eventually([&] { return rig.server.clients().size() == 3; }));

    // OSC 1.0's size prefix: answered with one.
    QTcpSocket prefixed;
    prefixed.connectToHost(QHostAddress::LocalHost, rig.port);
    QVERIFY(prefixed.waitForConnected(5000));
    const QByteArray packet = OscCodec::encode("/lumentafel/stop", {});
    prefixed.write(QByteArray::fromHex("000000") + char(packet.size()) + packet);
    QVERIFY(eventually([&] { return prefixed.bytesAvailable() >= 4; }));
    QVERIFY(eventually([&] {
        prefixed.waitForReadyRead(1);
        return prefixed.bytesAvailable() >= 4 + 28;
    }));
    const QByteArray reply = prefixed.readAll();
    QCOMPARE(CueSystem::describe(reply.mid(4)), QByteArray("/lumentafel/reply/stop ok "));
    QCOMPARE(int(reply.at(3)), reply.size() - 4);
}

void RemoteServerTest::updatesReachSubscribersWhenTheStateChanges() {
    Rig rig;
    QVERIFY(rig.listen());
    QVERIFY(rig.cues.connectTcp(rig.port));
    rig.cues.sendTcp("/lumentafel/updates", {"1"});
    QCOMPARE(rig.cues.nextTcpReply(), QByteArray("/lumentafel/reply/updates ok updates on"));
    rig.cues.sendOscInt(rig.port, "/lumentafel/updates", 1);
    QCOMPARE(rig.cues.nextOscReply(), QByteArray("/lumentafel/reply/updates ok updates on"));

    rig.target.shown.number = "00010";
    rig.server.publishState();
    const QByteArray update = "/lumentafel/update/showing " + rig.target.shown.toJson();
    QCOMPARE(rig.cues.nextTcpReply(), update);
    QCOMPARE(rig.cues.nextOscReply(), update);
    // Nothing new, nothing sent; then the UDP subscription lapses after ten silent minutes,
    // while the TCP one lasts as long as its connection (which must say something to stay).
    rig.server.publishState();
    rig.clock.advance(RemoteProtocol::UdpSilenceMs / 2);
    rig.cues.sendTcp("/lumentafel/state");
    QVERIFY(!rig.cues.nextTcpReply().isEmpty());
    rig.clock.advance(RemoteProtocol::UdpSilenceMs / 2);
    rig.cues.sendTcp("/lumentafel/state");
    QCOMPARE(rig.cues.nextTcpReply(), "/lumentafel/reply/state ok " + rig.target.shown.toJson());
    rig.target.shown.number = "00020";
    rig.server.publishState();
    QCOMPARE(rig.cues.nextTcpReply(), "/lumentafel/update/showing " + rig.target.shown.toJson());
    QCOMPARE(rig.cues.nextOscReply(200), QByteArray());
}

void RemoteServerTest::aStalledClientHoldsNobodyBack() {
    Rig rig;
    QVERIFY(rig.listen());
    QTcpSocket stalled;
    stalled.connectToHost(QHostAddress::LocalHost, rig.port);
    QVERIFY(stalled.waitForConnected(5000));
    const QByteArray next = OscStreamFramer::slipEncode(OscCodec::encode("/lumentafel/next", {}));
    stalled.write(next.left(9));
    // And one that streams 200 KB without an END.
    QTcpSocket flood;
    flood.connectToHost(QHostAddress::LocalHost, rig.port);
    QVERIFY(flood.waitForConnected(5000));
    flood.write(QByteArray(1, OscStreamFramer::End) + QByteArray(200 * 1024, 'x'));
    rig.cues.sendOsc(rig.port, "/lumentafel/next");
    QCOMPARE(rig.cues.nextOscReply(), QByteArray("/lumentafel/reply/next ok "));
    QVERIFY(rig.cues.connectTcp(rig.port));
    rig.cues.sendTcp("/lumentafel/next");
    QCOMPARE(rig.cues.nextTcpReply(), QByteArray("/lumentafel/reply/next ok "));
    QCOMPARE(rig.target.runs, 2);
}

void RemoteServerTest::idleConnectionsCloseAfterTenMinutes() {
    Rig rig;
    QVERIFY(rig.listen());
    QVERIFY(rig.cues.connectTcp(rig.port));
    QTcpSocket silent;
    silent.connectToHost(QHostAddress::LocalHost, rig.port);
    QVERIFY(silent.waitForConnected(5000));
    QVERIFY(eventually([&] { return rig.server.connectionCount() == 2; }));
    rig.clock.advance(RemoteServer::IdleConnectionMs - RemoteServer::IdleCheckMs);
    rig.cues.sendTcp("/lumentafel/state");
    QVERIFY(!rig.cues.nextTcpReply().isEmpty());
    rig.clock.advance(RemoteServer::IdleCheckMs);
    QVERIFY(eventually([&] { return rig.server.connectionCount() == 1; }));
    QVERIFY(eventually([&] {
        silent.waitForReadyRead(1);
        return silent.state() == QAbstractSocket::UnconnectedState;
    }));
    QCOMPARE(rig.cues.tcp().state(), QAbstractSocket::ConnectedState);
}

void RemoteServerTest::connectionsAreBounded() {
    Rig rig;
    QVERIFY(rig.listen());
    std::vector<std::unique_ptr<QTcpSocket>> sockets;
    for (int i = 0; i < 100; ++i) {
        sockets.push_back(std::make_unique<QTcpSocket>());
        QTcpSocket& socket = *sockets.back();
        socket.connectToHost(QHostAddress::LocalHost, rig.port);
        // The server accepts in this thread's event loop.
        QVERIFY(eventually([&] { return socket.state() != QAbstractSocket::ConnectingState; }));
    }
    QVERIFY(eventually([&] {
        int closed = 0;
        for (auto& socket : sockets) {
            socket->waitForReadyRead(0);
            closed += socket->state() == QAbstractSocket::UnconnectedState;
        }
        return closed == 100 - RemoteServer::MaximumConnections;
    }));
    QCOMPARE(rig.server.connectionCount(), RemoteServer::MaximumConnections);
    // UDP still answers.
    rig.cues.sendOsc(rig.port, "/lumentafel/state");
    QVERIFY(rig.cues.nextOscReply().startsWith("/lumentafel/reply/state ok"));
}

void RemoteServerTest::aPortInUseIsReported() {
    Rig rig;
    QVERIFY(rig.listen());
    VirtualClock clock;
    CountingTarget target;
    RemoteServer second(target, clock);
    QVERIFY(!second.listen({QStringLiteral("127.0.0.1"), rig.port, 0}));
    QVERIFY(second.errorString().contains(QString::number(rig.port)));
    QVERIFY(!second.listen({QStringLiteral("not an address"), rig.port, 0}));
    QVERIFY(!second.isListening());
}

QTEST_GUILESS_MAIN(RemoteServerTest)
#include "tst_remoteserver.moc"
