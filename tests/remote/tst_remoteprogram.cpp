#include "cuesystem.h"
#include "programprocess.h"

#include <QTest>

namespace {

const QByteArray Show = "\tText Nr.\tAktiv\tB/S/F\tText\tParameter\tDauer\tHinweis\t\r\n"
                        "\t00010\tJA\tBLOCK\tHALLO,WELT\t1\tM1\t\t\r\n"
                        "\t00020\tJA\tBLOCK\t\"GR\xDC\xDF DU\"\t1\tM1\t\t\r\n"
                        "\t00030\tJA\tBLOCK\tDREI\t1\tM1\t\t\r\n";
// The three entries on a board of 2 lines of 8.
const QByteArray First = "HALLO   WELT    ";
const QByteArray Second = "GR\xDC\xDF DU         ";
const QByteArray Third = "DREI            ";
const QString MainWindow = QStringLiteral("^RPW V1\\.54 - show\\.lta$");

// The real program with the show, its remote on free loopback ports.
struct RemoteProgram {
    ProgramFolder folder;
    CueSystem cues;
    quint16 port = CueSystem::freePort();
    quint16 textPort = CueSystem::freePort();
    QByteArray wire;

    bool prepare(const QByteArray& remoteKeys = {}, int serialPort = 7,
                 const QByteArray& displayKeys = {}) {
        return port && textPort &&
               folder.prepare(
                   "[Anzeige]\r\nSeriellerCOM-Port=" + QByteArray::number(serialPort) +
                   "\r\nZeilen=2\r\nStellen=8\r\n" + displayKeys + "[Programm]\r\nLetzteDatei=" +
                   folder.path(QStringLiteral("show.lta")).toLocal8Bit() +
                   "\r\n[Fernsteuerung]\r\nAdresse=127.0.0.1\r\nPort=" + QByteArray::number(port) +
                   "\r\nTextport=" + QByteArray::number(textPort) + "\r\n" + remoteKeys) &&
               folder.write(QStringLiteral("show.lta"), Show);
    }
    bool start(const QProcessEnvironment& environment) {
        if (!folder.start(environment))
            return false;
        folder.board->readAtLeast(1, 300); // whatever the start-up sent
        return true;
    }
    QByteArray osc(const QByteArray& address, const QList<QByteArray>& arguments = {}) {
        cues.sendOsc(port, address, arguments);
        return cues.nextOscReply(10000);
    }
    // The wire bytes up to and including the frame showing `image`; empty when it does not
    // come.
    QByteArray frameShowing(const QByteArray& image) {
        const QByteArray frame = '\x02' + image + '\x03';
        QDeadlineTimer deadline(10000);
        while (!wire.contains(frame) && !deadline.hasExpired())
            wire += folder.board->readAtLeast(int(frame.size()), 200);
        const qsizetype end = wire.indexOf(frame);
        if (end < 0)
            return {};
        const QByteArray upTo = wire.left(end + frame.size());
        wire.remove(0, end + frame.size());
        return upTo;
    }
};

} // namespace

class RemoteProgramTest : public QObject {
    Q_OBJECT

private slots:
    void aCueSystemDrivesTheBoardOverUdpTcpAndText();
    void aRefusedCommandSaysWhy();
    void thePasscodeComesFirst();
    void theKeyboardAndTheRemoteSendTheSameFrames();
    void theLockRefusesRemoteCommands();
    void aCommandRunsWhileABoxIsOpen();
    void aCommandThatWouldAskIsRefusedWithoutABox();
    void offlineModeRefusesLiveCommands();
};

void RemoteProgramTest::aCueSystemDrivesTheBoardOverUdpTcpAndText() {
    RemoteProgram program;
    QVERIFY(program.prepare());
    QVERIFY2(program.start(offscreen()), program.folder.log.constData());

    QCOMPARE(program.osc("/lumentafel/manual", {"10"}), QByteArray("/lumentafel/reply/manual ok "));
    QVERIFY(!program.frameShowing(First).isEmpty());

    QVERIFY(program.cues.connectTcp(program.port));
    program.cues.sendTcp("/lumentafel/updates", {"1"});
    QCOMPARE(program.cues.nextTcpReply(10000),
             QByteArray("/lumentafel/reply/updates ok updates on"));
    program.cues.sendTcp("/lumentafel/next");
    QVERIFY(!program.frameShowing(Second).isEmpty());
    // The reply, and the subscriber hears of the entry on the board (the update may come
    // first: the entry starts while the command runs).
    bool replied = false;
    bool updated = false;
    for (QByteArray message; !(replied && updated);) {
        message = program.cues.nextTcpReply(10000);
        QVERIFY(!message.isEmpty());
        replied = replied || message == "/lumentafel/reply/next ok ";
        updated = updated || message.contains("\"number\": \"00020\", \"kind\": \"block\"");
    }
    program.cues.sendText(program.textPort, "/lumentafel/next\r\n");
    QCOMPARE(program.cues.nextTextReply(10000), QByteArray("ok \n"));
    QVERIFY(!program.frameShowing(Third).isEmpty());

    program.cues.sendOscInt(program.port, "/lumentafel/goto", 10);
    QCOMPARE(program.cues.nextOscReply(10000), QByteArray("/lumentafel/reply/goto ok "));
    QVERIFY(!program.frameShowing(First).isEmpty());

    QCOMPARE(program.osc("/lumentafel/state"),
             QByteArray("/lumentafel/reply/state ok {\"state\": \"manual\", \"number\": \"00010\", "
                        "\"kind\": \"block\", \"lines\": [\"HALLO\", \"WELT\"], \"next\": "
                        "\"00020\", \"speed\": 100}"));
    QVERIFY(program.folder.terminate());
}

// The board plays its uploaded sequence itself: a live frame from a cue would overwrite it.
void RemoteProgramTest::offlineModeRefusesLiveCommands() {
    RemoteProgram program;
    QVERIFY(program.prepare({}, 7, "offline=1\r\n"));
    QVERIFY2(program.start(offscreen()), program.folder.log.constData());
    QCOMPARE(program.osc("/lumentafel/play"),
             QByteArray("/lumentafel/reply/play error offline mode: the board plays from its own "
                        "memory"));
    QVERIFY(program.osc("/lumentafel/state").startsWith("/lumentafel/reply/state ok {"));
    QCOMPARE(program.folder.board->readAtLeast(1, 300), QByteArray());
    QVERIFY(program.folder.terminate());
}

void RemoteProgramTest::aRefusedCommandSaysWhy() {
    RemoteProgram program;
    QVERIFY(program.prepare());
    QVERIFY2(program.start(offscreen()), program.folder.log.constData());
    // Stepping needs manual mode; a number that does not exist is an error.
    QVERIFY(program.osc("/lumentafel/next").startsWith("/lumentafel/reply/next error "));
    QVERIFY(
        program.osc("/lumentafel/manual", {"00099"}).startsWith("/lumentafel/reply/manual error "));
    QCOMPARE(program.osc("/lumentafel/speed", {"151"}),
             QByteArray("/lumentafel/reply/speed error the speed must be 50 to 150 percent"));
    QCOMPARE(program.osc("/lumentafel/jump"),
             QByteArray("/lumentafel/reply/jump error unknown address /lumentafel/jump"));
    // Nothing reached the board.
    QCOMPARE(program.folder.board->readAtLeast(1, 300), QByteArray());
    QVERIFY(program.folder.terminate());
}

void RemoteProgramTest::thePasscodeComesFirst() {
    RemoteProgram program;
    QVERIFY(program.prepare("Passwort=geheim\r\n"));
    QVERIFY2(program.start(offscreen()), program.folder.log.constData());
    QCOMPARE(program.osc("/lumentafel/manual", {"20"}),
             QByteArray("/lumentafel/reply/manual badpass send /lumentafel/connect with the "
                        "passcode first"));
    QCOMPARE(program.osc("/lumentafel/connect", {"Geheim"}),
             QByteArray("/lumentafel/reply/connect badpass wrong passcode"));
    QCOMPARE(program.osc("/lumentafel/connect", {"geheim"}),
             QByteArray("/lumentafel/reply/connect ok connected"));
    QCOMPARE(program.osc("/lumentafel/manual", {"20"}), QByteArray("/lumentafel/reply/manual ok "));
    QVERIFY(!program.frameShowing(Second).isEmpty());
    QVERIFY(program.folder.terminate());
}

void RemoteProgramTest::theKeyboardAndTheRemoteSendTheSameFrames() {
    if (!XSession::available())
        QSKIP("Xvfb and xdotool are not installed (scripts/setup installs them)");
    XSession x;
    QVERIFY2(x.start(), x.errorOutput().constData());
    RemoteProgram program;
    QVERIFY(program.prepare());
    QVERIFY2(program.start(onX(x)), program.folder.log.constData());
    QCOMPARE(program.osc("/lumentafel/manual", {"10"}), QByteArray("/lumentafel/reply/manual ok "));
    QVERIFY(!program.frameShowing(First).isEmpty());

    QVERIFY2(x.key(MainWindow, QStringLiteral("F8")), x.errorOutput().constData());
    const QByteArray byKey = program.frameShowing(Second);
    QVERIFY(!byKey.isEmpty());
    QVERIFY2(x.key(MainWindow, QStringLiteral("F7")), x.errorOutput().constData());
    QVERIFY(!program.frameShowing(First).isEmpty());

    QCOMPARE(program.osc("/lumentafel/next"), QByteArray("/lumentafel/reply/next ok "));
    QCOMPARE(program.frameShowing(Second), byKey);
    QVERIFY(program.folder.terminate());
}

void RemoteProgramTest::theLockRefusesRemoteCommands() {
    if (!XSession::available())
        QSKIP("Xvfb and xdotool are not installed (scripts/setup installs them)");
    XSession x;
    QVERIFY2(x.start(), x.errorOutput().constData());
    RemoteProgram program;
    QVERIFY(program.prepare());
    QVERIFY2(program.start(onX(x)), program.folder.log.constData());
    // "Abspielen" > "Fernsteuerung sperren".
    QVERIFY2(x.key(MainWindow, QStringLiteral("alt+a r")), x.errorOutput().constData());
    QTRY_COMPARE_WITH_TIMEOUT(
        program.osc("/lumentafel/manual", {"10"}),
        QByteArray("/lumentafel/reply/manual denied remote control is locked"), 10000);
    QCOMPARE(program.folder.board->readAtLeast(1, 300), QByteArray());
    QVERIFY2(x.key(MainWindow, QStringLiteral("alt+a r")), x.errorOutput().constData());
    QTRY_COMPARE_WITH_TIMEOUT(program.osc("/lumentafel/manual", {"10"}),
                              QByteArray("/lumentafel/reply/manual ok "), 10000);
    QVERIFY(!program.frameShowing(First).isEmpty());
    QVERIFY(program.folder.terminate());
}

void RemoteProgramTest::aCommandRunsWhileABoxIsOpen() {
    if (!XSession::available())
        QSKIP("Xvfb and xdotool are not installed (scripts/setup installs them)");
    XSession x;
    QVERIFY2(x.start(), x.errorOutput().constData());
    RemoteProgram program;
    QVERIFY(program.prepare());
    QVERIFY2(program.start(onX(x)), program.folder.log.constData());
    // The question whether to delete the selected entry stays open on the operator's screen.
    QVERIFY2(x.key(MainWindow, QStringLiteral("ctrl+Delete")), x.errorOutput().constData());
    QVERIFY2(x.key(QStringLiteral("^RPW$"), QStringLiteral("shift")), x.errorOutput().constData());
    QCOMPARE(program.osc("/lumentafel/manual", {"30"}), QByteArray("/lumentafel/reply/manual ok "));
    QVERIFY(!program.frameShowing(Third).isEmpty());
    // The box is still there; No keeps the entry.
    QVERIFY2(x.key(QStringLiteral("^RPW$"), QStringLiteral("Escape")), x.errorOutput().constData());
    QVERIFY2(x.waitUntilClosed(QStringLiteral("^RPW$")), x.errorOutput().constData());
    QVERIFY(program.folder.terminate());
}

void RemoteProgramTest::aCommandThatWouldAskIsRefusedWithoutABox() {
    if (!XSession::available())
        QSKIP("Xvfb and xdotool are not installed (scripts/setup installs them)");
    XSession x;
    QVERIFY2(x.start(), x.errorOutput().constData());
    RemoteProgram program;
    QVERIFY(program.prepare({}, 0));
    QVERIFY(program.folder.launch(onX(x)));
    // "COM-Port ändern? Momentan: COM0": No. The program runs without a port.
    QVERIFY2(x.key(QStringLiteral("^RPW$"), QStringLiteral("Escape")), x.errorOutput().constData());
    QVERIFY2(program.folder.waitForLog("start-up complete", 20000), program.folder.log.constData());
    // The operator's Play would ask for a port; the remote's is refused and asks nothing.
    const QByteArray reply = program.osc("/lumentafel/manual", {"10"});
    QVERIFY2(reply.startsWith("/lumentafel/reply/manual error "), reply.constData());
    QVERIFY2(x.waitUntilClosed(QStringLiteral("^RPW$"), 2000), x.errorOutput().constData());
    QVERIFY(program.folder.terminate());
}

QTEST_GUILESS_MAIN(RemoteProgramTest)
#include "tst_remoteprogram.moc"
