#include "programprocess.h"
#include "wireframes.h"

#include <QDir>
#include <QFile>
#include <QPointer>
#include <QSerialPort>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

namespace {

// A board at the far end of a pseudo-terminal: collects what arrives while the test waits.
struct SerialBoard {
    QSerialPort port;
    QByteArray wire;

    bool open(const QString& path) {
        port.setPortName(path);
        QObject::connect(&port, &QSerialPort::readyRead, [this] { wire += port.readAll(); });
        return port.open(QIODevice::ReadWrite);
    }
};

// A serial device server in raw TCP mode on the loopback address: one client, whose bytes are
// collected while reading is on.
struct TcpBoard {
    QTcpServer server;
    QPointer<QTcpSocket> client;
    QByteArray wire;
    bool reading = true;
    int connections = 0;

    bool listen(quint16 port = 0) {
        if (!server.listen(QHostAddress::LocalHost, port))
            return false;
        QObject::connect(&server, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* socket = server.nextPendingConnection()) {
                client = socket;
                ++connections;
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                    if (reading && socket == client)
                        wire += socket->readAll();
                });
            }
        });
        return true;
    }
    void stopReading() {
        reading = false;
        // The socket takes no more from the system: the program's bytes pile up on its side.
        if (client)
            client->setReadBufferSize(1);
    }
    void goAway() {
        if (client)
            client->abort();
        server.close();
    }
};

QByteArray blankFrameBody() {
    return QByteArray(16, ' ');
}

const QByteArray First("HALLO   WELT    ");
const QByteArray Second("GR\xDC\xDF DU         ");

// True when the frames alternate between the two entries, as the show plays them.
bool alternates(const QList<QByteArray>& frames) {
    for (qsizetype i = 0; i < frames.size(); ++i) {
        if (frames[i] != First && frames[i] != Second)
            return false;
        if (i > 0 && frames[i] == frames[i - 1])
            return false;
    }
    return true;
}

QByteArray describe(const QList<QByteArray>& frames) {
    QByteArray text;
    for (const QByteArray& frame : frames)
        text += '[' + frame + "] ";
    return text;
}

} // namespace

class MultiBoardTest : public QObject {
    Q_OBJECT

private slots:
    void everyBoardPlaysTheShowWhateverAnotherDoes();
};

// The program on a private X server with two serial boards and one serial device server.
// Every board shows the same frames; a TCP board that stops reading, one that goes away and
// comes back, and a serial board pulled mid-show change nothing on the others: each of them
// goes on alternating between the two entries, one change a second.
void MultiBoardTest::everyBoardPlaysTheShowWhateverAnotherDoes() {
    if (!XSession::available())
        QSKIP("Xvfb and xdotool are not installed (scripts/setup installs them)");
    XSession x;
    QVERIFY2(x.start(), x.errorOutput().constData());
    ProgramFolder folder;
    TcpBoard tcp;
    QVERIFY(tcp.listen());
    const quint16 tcpPort = tcp.server.serverPort();
    const QByteArray tcpName = "tcp://127.0.0.1:" + QByteArray::number(tcpPort);
    QVERIFY(folder.prepare("[Anzeige]\r\nSeriellerCOM-Port=7\r\nZeilen=2\r\nStellen=8\r\n"
                           "WeitereAnzeigen=COM8, " +
                           tcpName + "\r\n[Programm]\r\nLetzteDatei=" +
                           folder.path(QStringLiteral("show.lta")).toLocal8Bit() + "\r\n"));
    PtyPair second(folder.path(QStringLiteral("com/COM8")), folder.path(QStringLiteral("board8")));
    QVERIFY2(second.start(), second.output().constData());
    // The first board's far end is read through the folder's reader; this one is collected.
    SerialBoard first;
    folder.board.reset();
    QVERIFY(first.open(folder.pty->linkB()));
    SerialBoard eighth;
    QVERIFY(eighth.open(second.linkB()));
    QVERIFY(folder.write(QStringLiteral("show.lta"),
                         "\tText Nr.\tAktiv\tB/S/F\tText\tParameter\tDauer\tHinweis\t\r\n"
                         "\t00010\tJA\tBLOCK\tHALLO,WELT\t1\tM1\t\t\r\n"
                         "\t00020\tJA\tBLOCK\t\"GR\xDC\xDF DU\"\t1\tM1\t\t\r\n"));
    QVERIFY2(folder.start(onX(x)), folder.log.constData());
    QTRY_VERIFY_WITH_TIMEOUT(tcp.client, 10000);

    const QString caption = QStringLiteral("^RPW V1\\.54 - show\\.lta$");
    QVERIFY2(x.key(caption, QStringLiteral("ctrl+Return")), x.errorOutput().constData());

    // Identical frames on all three.
    QTRY_VERIFY_WITH_TIMEOUT(distinctFrames(tcp.wire).size() >= 3, 15000);
    QTest::qWait(300);
    const QList<QByteArray> shown = distinctFrames(first.wire);
    QVERIFY2(alternates(shown.mid(0, 3)), describe(shown).constData());
    QCOMPARE(distinctFrames(eighth.wire).mid(0, 3), shown.mid(0, 3));
    QCOMPARE(distinctFrames(tcp.wire).mid(0, 3), shown.mid(0, 3));

    // Watches the boards still reached for a few seconds: they go on alternating.
    const auto othersGoOn = [](QList<SerialBoard*> boards, QByteArray* tcpWire) {
        QList<qsizetype> from;
        for (SerialBoard* board : boards)
            from.append(board->wire.size());
        const qsizetype tcpFrom = tcpWire ? tcpWire->size() : 0;
        QTest::qWait(3500);
        for (int i = 0; i < boards.size(); ++i) {
            const QList<QByteArray> frames = distinctFrames(boards[i]->wire.mid(from[i]));
            if (frames.size() < 3 || !alternates(frames))
                return describe(frames);
        }
        if (tcpWire) {
            const QList<QByteArray> frames = distinctFrames(tcpWire->mid(tcpFrom));
            if (frames.size() < 3 || !alternates(frames))
                return "tcp: " + describe(frames);
        }
        return QByteArray();
    };

    // A TCP board that stops reading.
    tcp.stopReading();
    QByteArray trouble = othersGoOn({&first, &eighth}, nullptr);
    QVERIFY2(trouble.isEmpty(), trouble.constData());

    // One that goes away and comes back: it shows the current frame at once.
    tcp.goAway();
    tcp.wire.clear();
    tcp.reading = true;
    trouble = othersGoOn({&first, &eighth}, nullptr);
    QVERIFY2(trouble.isEmpty(), trouble.constData());
    QVERIFY(tcp.listen(tcpPort));
    QTRY_VERIFY_WITH_TIMEOUT(tcp.connections == 2, 15000);
    QTRY_VERIFY_WITH_TIMEOUT(!distinctFrames(tcp.wire).isEmpty(), 500);
    const QByteArray current = distinctFrames(first.wire).constLast();
    QVERIFY(distinctFrames(tcp.wire).constFirst() == current ||
            distinctFrames(tcp.wire).size() > 1);

    // A serial board pulled mid-show.
    second.stop();
    trouble = othersGoOn({&first}, &tcp.wire);
    QVERIFY2(trouble.isEmpty(), trouble.constData());

    // Esc blanks every board that is reached.
    QVERIFY2(x.key(caption, QStringLiteral("Escape")), x.errorOutput().constData());
    QTRY_COMPARE_WITH_TIMEOUT(distinctFrames(first.wire).constLast(), blankFrameBody(), 5000);
    QTRY_COMPARE_WITH_TIMEOUT(distinctFrames(tcp.wire).constLast(), blankFrameBody(), 5000);
    QVERIFY(folder.terminate());
    folder.log += folder.program.readAllStandardError();
    QVERIFY2(folder.log.contains("board COM8 lost"), folder.log.constData());

    // The show log has the entries the key started and the timer moved on to, and the boards
    // lost and back.
    const QDir logs(folder.path(QStringLiteral("data/RPW/logs")));
    const QStringList days = logs.entryList({QStringLiteral("show-*.log")}, QDir::Files);
    QVERIFY2(!days.isEmpty(), qPrintable(logs.path()));
    QFile day(logs.filePath(days.last()));
    QVERIFY(day.open(QIODevice::ReadOnly));
    const QByteArray log = day.readAll();
    QVERIFY2(log.contains("\tStart\t00010\tBLOCK\t\"HALLO\"\tTaste\n"), log.constData());
    QVERIFY2(log.contains("\tStart\t00020\tBLOCK\t\"GR\xc3\x9c\xc3\x9f DU\"\tText ausgelaufen\n"),
             log.constData());
    QVERIFY2(log.contains("\tAnzeige verloren\tCOM8\n"), log.constData());
    QVERIFY2(log.contains("\tAnzeige verloren\t" + tcpName + "\n"), log.constData());
    QVERIFY2(log.contains("\tAnzeige zur\xc3\xbc"
                          "ck\t" +
                          tcpName + "\n"),
             log.constData());
    QVERIFY2(log.contains("\tStopp\n"), log.constData());
    QCOMPARE(log.count("\tAnzeige zur\xc3\xbc"
                       "ck\t"),
             1); // the first connection is no return
}

QTEST_GUILESS_MAIN(MultiBoardTest)
#include "tst_multiboard.moc"
