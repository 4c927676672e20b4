#include "recordingboardoutput.h"
#include "virtualclock.h"

#include "display/boardaddress.h"
#include "display/boardfanout.h"
#include "display/boardoutput.h"
#include "display/tcpboardoutput.h"

#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

namespace {

const QByteArray FrameA("\x02"
                        "AAAA\x03");
const QByteArray FrameB("\x02"
                        "BBBB\x03");
const QByteArray FrameC("\x02"
                        "CCCC\x03");

} // namespace

class BoardOutputTest : public QObject {
    Q_OBJECT

private slots:
    void addressesReadAsTheSettingsWriteThem_data();
    void addressesReadAsTheSettingsWriteThem();
    void aBoardThatTakesNoBytesHoldsOnlyTheNewestFrame();
    void aStalledBoardIsReportedAndRecovers();
    void aLostBoardRetriesWithBackOffAndGetsTheCurrentFrame();
    void theFanOutKeepsTheBoardsThatStay();
    void tcpOutputBacksOffOnTheClockAndComesBack();
};

void BoardOutputTest::addressesReadAsTheSettingsWriteThem_data() {
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QStringList>("rejected");
    QTest::newRow("serial and tcp") << "COM8, tcp://127.0.0.20:4001"
                                    << "COM8, tcp://127.0.0.20:4001" << QStringList{};
    QTest::newRow("case and blanks") << " com8 ,TCP://Board.Local:23,,"
                                     << "COM8, tcp://board.local:23" << QStringList{};
    QTest::newRow("ipv6") << "tcp://[::1]:4001"
                          << "tcp://[::1]:4001" << QStringList{};
    QTest::newRow("twice counts once") << "COM3,COM3"
                                       << "COM3" << QStringList{};
    QTest::newRow("out of range") << "COM0,COM51,tcp://h:0,tcp://h:65536,tcp://:1,COM2"
                                  << "COM2"
                                  << QStringList{"COM0", "COM51", "tcp://h:0", "tcp://h:65536",
                                                 "tcp://:1"};
    QTest::newRow("no address") << "LPT1, tcp://h, http://h:1"
                                << "" << QStringList{"LPT1", "tcp://h", "http://h:1"};
}

void BoardOutputTest::addressesReadAsTheSettingsWriteThem() {
    QFETCH(QString, list);
    QFETCH(QString, written);
    QFETCH(QStringList, rejected);
    QStringList refused;
    const QList<BoardAddress> addresses = BoardAddress::parseList(list, &refused);
    QCOMPARE(BoardAddress::joinList(addresses), written);
    QCOMPARE(refused, rejected);
    QCOMPARE(BoardAddress::parseList(written), addresses);
}

// A board that takes bytes slower than frames come holds the newest frame back and sends it
// once the older one has left: it never falls more than one frame behind.
void BoardOutputTest::aBoardThatTakesNoBytesHoldsOnlyTheNewestFrame() {
    VirtualClock clock;
    RecordingBoardOutput board(QStringLiteral("fake"), clock);
    board.start();
    QVERIFY(board.isConnected());
    board.sendFrame(FrameA);
    board.queued = 100; // the line is slow
    board.sendFrame(FrameB);
    board.sendFrame(FrameC);
    QCOMPARE(board.written, QList<QByteArray>{FrameA});
    QCOMPARE(board.bytesWaiting(), 100 + FrameC.size());
    board.queued = 0;
    clock.advance(BoardOutput::WatchIntervalMs);
    QCOMPARE(board.written, (QList<QByteArray>{FrameA, FrameC}));
}

void BoardOutputTest::aStalledBoardIsReportedAndRecovers() {
    VirtualClock clock;
    RecordingBoardOutput board(QStringLiteral("fake"), clock);
    QList<BoardOutput::State> states;
    connect(&board, &BoardOutput::stateChanged, this,
            [&](BoardOutput::State s) { states.append(s); });
    board.start();
    board.sendFrame(FrameA);
    board.queued = 500; // nothing leaves
    clock.advance(BoardOutput::StallTimeoutMs - BoardOutput::WatchIntervalMs);
    QCOMPARE(board.state(), BoardOutput::State::Connected);
    clock.advance(BoardOutput::WatchIntervalMs);
    QCOMPARE(board.state(), BoardOutput::State::Stalled);
    board.sendFrame(FrameB);
    board.queued = 0;
    clock.advance(BoardOutput::WatchIntervalMs);
    QCOMPARE(board.state(), BoardOutput::State::Connected);
    QCOMPARE(board.written.last(), FrameB);
    QCOMPARE(states,
             (QList<BoardOutput::State>{BoardOutput::State::Connected, BoardOutput::State::Stalled,
                                        BoardOutput::State::Connected}));
}

// Attempts after 1, 2, 4, 8, 10, 10 s; the board back gets the frame the others show.
void BoardOutputTest::aLostBoardRetriesWithBackOffAndGetsTheCurrentFrame() {
    VirtualClock clock;
    RecordingBoardOutput board(QStringLiteral("fake"), clock);
    board.start();
    board.sendFrame(FrameA);
    board.reachable = false;
    board.drop();
    QCOMPARE(board.state(), BoardOutput::State::Reconnecting);
    board.sendFrame(FrameB); // while away
    QCOMPARE(board.written, QList<QByteArray>{FrameA});
    const QList<int> delays{1000, 2000, 4000, 8000, 10000, 10000};
    int attempts = board.attempts;
    for (int delay : delays) {
        clock.advance(delay - 1);
        QCOMPARE(board.attempts, attempts);
        clock.advance(1);
        QCOMPARE(board.attempts, ++attempts);
    }
    board.reachable = true;
    clock.advance(10000);
    QVERIFY(board.isConnected());
    QCOMPARE(board.written.last(), FrameB);
    // The next loss starts the back-off afresh.
    board.drop();
    QCOMPARE(board.retryDelayMs(), BoardOutput::FirstRetryMs);
}

void BoardOutputTest::theFanOutKeepsTheBoardsThatStay() {
    VirtualClock clock;
    QList<RecordingBoardOutput*> made;
    BoardFanOut fanOut([&](const BoardAddress&) {
        auto output = std::make_unique<RecordingBoardOutput>(QStringLiteral("fake"), clock);
        made.append(output.get());
        return output;
    });
    fanOut.setBoards(BoardAddress::parseList(QStringLiteral("COM2,COM3")));
    fanOut.sendFrame(FrameA);
    QCOMPARE(made.size(), 2);
    made[0]->queued = 0;
    made[1]->queued = 0;
    fanOut.setBoards(BoardAddress::parseList(QStringLiteral("COM3,COM4")));
    QCOMPARE(made.size(), 3);
    QCOMPARE(&fanOut.output(0), made[1]);
    // The new board starts with the current frame.
    QCOMPARE(made[2]->written, QList<QByteArray>{FrameA});
    fanOut.sendFrame(FrameB);
    QCOMPARE(made[1]->written.last(), FrameB);
    QCOMPARE(made[2]->written.last(), FrameB);
}

// The real TCP output against a listener on the loopback address: the connection goes,
// attempts follow on the virtual clock at 1, 2, 4 ... s (refused while nobody listens), and
// once the listener is back the board is reached at the next attempt and shows the current
// frame at once.
void BoardOutputTest::tcpOutputBacksOffOnTheClockAndComesBack() {
    VirtualClock clock;
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    const quint16 port = server.serverPort();
    TcpBoardOutput board(QStringLiteral("127.0.0.1"), port, clock);
    QCOMPARE(board.name(), QStringLiteral("tcp://127.0.0.1:%1").arg(port));
    board.sendFrame(FrameA);
    board.start();
    QVERIFY(server.waitForNewConnection(10000));
    QPointer<QTcpSocket> client = server.nextPendingConnection();
    QTRY_VERIFY(board.isConnected());
    QByteArray received;
    QTRY_COMPARE(received += client->readAll(), FrameA);

    client->abort();
    server.close();
    QTRY_COMPARE(board.state(), BoardOutput::State::Reconnecting);
    QCOMPARE(board.retryDelayMs(), 1000);
    for (int next : {2000, 4000, 8000, 10000, 10000}) {
        clock.advance(board.retryDelayMs());
        QCOMPARE(board.retryDelayMs(), next);
        QTest::qWait(20); // the attempt is refused
        QVERIFY(!board.isConnected());
    }
    board.sendFrame(FrameB);
    QVERIFY(server.listen(QHostAddress::LocalHost, port));
    clock.advance(9999);
    QTest::qWait(50);
    QVERIFY(!server.hasPendingConnections());
    clock.advance(1);
    QVERIFY(server.waitForNewConnection(10000));
    client = server.nextPendingConnection();
    QTRY_VERIFY(board.isConnected());
    QCOMPARE(board.retryDelayMs(), 0);
    received.clear();
    QTRY_COMPARE(received += client->readAll(), FrameB);
}

QTEST_GUILESS_MAIN(BoardOutputTest)
#include "tst_boardoutput.moc"
