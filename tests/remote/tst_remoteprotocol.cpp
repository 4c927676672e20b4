#include "virtualclock.h"

#include "remote/osccodec.h"
#include "remote/plaintextreader.h"
#include "remote/remotecommandtarget.h"
#include "remote/remoteprotocol.h"
#include "remote/remoterequest.h"

#include <QTest>

Q_DECLARE_METATYPE(OscMessage)

namespace {

// Records what reaches it; refuses a number it does not hold.
struct RecordingTarget final : RemoteCommandTarget {
    QStringList runs;
    RemoteState shown;

    void run(const RemoteRequest& request, const QString& sender, Finished finished) override {
        if (request.number == "00999")
            return finished(QStringLiteral("there is no text number 00999"));
        runs << QStringLiteral("%1 %2 %3 %4")
                    .arg(QString::fromLatin1(RemoteAddresses::nameOf(request.command)),
                         QString::fromLatin1(request.number))
                    .arg(request.value)
                    .arg(sender);
        finished({});
    }
    RemoteState state() const override { return shown; }
};

OscArgument integer(qint64 value) {
    OscArgument argument;
    argument.type = OscArgument::Type::Int;
    argument.tag = 'i';
    argument.integer = value;
    return argument;
}

OscArgument string(const QByteArray& text) {
    OscArgument argument;
    argument.type = OscArgument::Type::String;
    argument.tag = 's';
    argument.text = text;
    return argument;
}

OscArgument real(double value) {
    OscArgument argument;
    argument.type = OscArgument::Type::Float;
    argument.tag = 'f';
    argument.real = value;
    return argument;
}

OscMessage message(const QByteArray& address, const QList<OscArgument>& arguments = {}) {
    return OscMessage{address, arguments};
}

RemoteSender udp(const QString& host = QStringLiteral("127.0.0.5"), quint16 port = 53001) {
    RemoteSender sender;
    sender.host = host;
    sender.port = port;
    return sender;
}

struct Rig {
    VirtualClock clock;
    RecordingTarget target;
    RemoteProtocol protocol{target, clock};

    QByteArray say(const OscMessage& m, const RemoteSender& sender = udp()) {
        QByteArray reply = "<none>";
        protocol.handle(sender, m, [&reply](const RemoteProtocol::Answer& answer) {
            reply = answer.address + ' ' + answer.status + ' ' + answer.detail;
        });
        return reply;
    }
};

} // namespace

class RemoteProtocolTest : public QObject {
    Q_OBJECT

private slots:
    void addressesAndArguments_data();
    void addressesAndArguments();
    void stateIsTheJsonObject();
    void plainTextReadsAsStrings_data();
    void plainTextReadsAsStrings();
    void passcodeComesFirst();
    void fiveWrongPasscodesShutTheAddressOutForAMinute();
    void lockRefusesPlaybackCommands();
    void subscriptionsEndWithSilenceOnUdpOnly();
    void sendersAreBounded();
    void codecRoundTripsAndRejectsMalformedPackets();
};

void RemoteProtocolTest::addressesAndArguments_data() {
    QTest::addColumn<OscMessage>("input");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QString>("run");
    const QString from = QStringLiteral("127.0.0.5:53001 (UDP)");

    QTest::newRow("next") << message("/lumentafel/next") << QByteArray("/lumentafel/reply/next ok ")
                          << "next  -1 " + from;
    QTest::newRow("goto int") << message("/lumentafel/goto", {integer(120)})
                              << QByteArray("/lumentafel/reply/goto ok ")
                              << "goto 00120 -1 " + from;
    QTest::newRow("goto padded string")
        << message("/lumentafel/goto", {string("00120")})
        << QByteArray("/lumentafel/reply/goto ok ") << "goto 00120 -1 " + from;
    QTest::newRow("play without number")
        << message("/lumentafel/play") << QByteArray("/lumentafel/reply/play ok ")
        << "play  -1 " + from;
    QTest::newRow("manual from 7")
        << message("/lumentafel/manual", {string("7")})
        << QByteArray("/lumentafel/reply/manual ok ") << "manual 00007 -1 " + from;
    QTest::newRow("pause toggles")
        << message("/lumentafel/pause") << QByteArray("/lumentafel/reply/pause ok ")
        << "pause  -1 " + from;
    QTest::newRow("pause on as string")
        << message("/lumentafel/pause", {string("1")}) << QByteArray("/lumentafel/reply/pause ok ")
        << "pause  1 " + from;
    QTest::newRow("speed between")
        << message("/lumentafel/speed", {real(120.4)}) << QByteArray("/lumentafel/reply/speed ok ")
        << "speed  120 " + from;
    QTest::newRow("number the target lacks")
        << message("/lumentafel/goto", {integer(999)})
        << QByteArray("/lumentafel/reply/goto error there is no text number 00999") << QString();

    // Refused before anything runs.
    QTest::newRow("goto without number")
        << message("/lumentafel/goto")
        << QByteArray("/lumentafel/reply/goto error an argument is missing") << QString();
    QTest::newRow("number zero")
        << message("/lumentafel/goto", {integer(0)})
        << QByteArray("/lumentafel/reply/goto error the text number must be 1 to 99999")
        << QString();
    QTest::newRow("six digits")
        << message("/lumentafel/goto", {string("100000")})
        << QByteArray("/lumentafel/reply/goto error the text number must be 1 to 99999")
        << QString();
    QTest::newRow("number as float")
        << message("/lumentafel/goto", {real(12)})
        << QByteArray("/lumentafel/reply/goto error the text number must be 1 to 99999")
        << QString();
    QTest::newRow("letters")
        << message("/lumentafel/play", {string("12a")})
        << QByteArray("/lumentafel/reply/play error the text number must be 1 to 99999")
        << QString();
    QTest::newRow("speed too low")
        << message("/lumentafel/speed", {integer(49)})
        << QByteArray("/lumentafel/reply/speed error the speed must be 50 to 150 percent")
        << QString();
    QTest::newRow("pause 2") << message("/lumentafel/pause", {integer(2)})
                             << QByteArray(
                                    "/lumentafel/reply/pause error the argument must be 0 or 1")
                             << QString();
    QTest::newRow("next with argument")
        << message("/lumentafel/next", {integer(1)})
        << QByteArray("/lumentafel/reply/next error this address takes no argument") << QString();
    QTest::newRow("two numbers") << message("/lumentafel/goto", {integer(1), integer(2)})
                                 << QByteArray("/lumentafel/reply/goto error too many arguments")
                                 << QString();
    QTest::newRow("unknown") << message("/lumentafel/jump")
                             << QByteArray(
                                    "/lumentafel/reply/jump error unknown address /lumentafel/jump")
                             << QString();
    QTest::newRow("unknown, unfit for a reply address")
        << message("/lumentafel/a b/c")
        << QByteArray("/lumentafel/reply/unknown error unknown address /lumentafel/unknown")
        << QString();
    QTest::newRow("elsewhere") << message("/cue/next") << QByteArray("<none>") << QString();
    QTest::newRow("prefix alone") << message("/lumentafel") << QByteArray("<none>") << QString();
}

void RemoteProtocolTest::addressesAndArguments() {
    QFETCH(OscMessage, input);
    QFETCH(QByteArray, reply);
    QFETCH(QString, run);
    Rig rig;
    QCOMPARE(rig.say(input), reply);
    QCOMPARE(rig.target.runs, run.isEmpty() ? QStringList() : QStringList{run});
}

void RemoteProtocolTest::stateIsTheJsonObject() {
    Rig rig;
    rig.target.shown.state = RemoteState::State::Playing;
    rig.target.shown.number = "00120";
    rig.target.shown.kind = RemoteState::Kind::Block;
    rig.target.shown.lines = {"GR\xDC\xDF \"GOTT\"", "A\\B"};
    rig.target.shown.next = "00130";
    rig.target.shown.speed = 150;
    QCOMPARE(
        rig.say(message("/lumentafel/state")),
        QByteArray("/lumentafel/reply/state ok {\"state\": \"playing\", \"number\": \"00120\", "
                   "\"kind\": \"block\", \"lines\": [\"GR\xC3\x9C\xC3\x9F \\\"GOTT\\\"\", "
                   "\"A\\\\B\"], \"next\": \"00130\", \"speed\": 150}"));
    // A blank board: no number, no kind, no lines.
    rig.target.shown = RemoteState();
    QCOMPARE(rig.say(message("/lumentafel/state")),
             QByteArray("/lumentafel/reply/state ok {\"state\": \"stopped\", \"number\": \"\", "
                        "\"kind\": \"\", \"lines\": [], \"next\": \"\", \"speed\": 100}"));
}

void RemoteProtocolTest::plainTextReadsAsStrings_data() {
    QTest::addColumn<QByteArray>("datagram");
    QTest::addColumn<QByteArray>("reply");
    QTest::newRow("goto") << QByteArray("/lumentafel/goto 120\r\n")
                          << QByteArray("/lumentafel/reply/goto ok ");
    QTest::newRow("tabs and spaces")
        << QByteArray("  /lumentafel/speed\t 75 ") << QByteArray("/lumentafel/reply/speed ok ");
    QTest::newRow("binary") << QByteArray("/lumentafel/next\0", 17) << QByteArray("<none>");
    QTest::newRow("no address") << QByteArray("next") << QByteArray("<none>");
    QTest::newRow("empty") << QByteArray() << QByteArray("<none>");
    QTest::newRow("60 KB") << "/lumentafel/goto " + QByteArray(60000, '1') << QByteArray("<none>");
}

void RemoteProtocolTest::plainTextReadsAsStrings() {
    QFETCH(QByteArray, datagram);
    QFETCH(QByteArray, reply);
    Rig rig;
    const std::optional<OscMessage> read = PlainTextReader::read(datagram);
    QCOMPARE(read ? rig.say(*read) : QByteArray("<none>"), reply);
}

void RemoteProtocolTest::passcodeComesFirst() {
    Rig rig;
    rig.protocol.setPasscode("s3cret");
    QCOMPARE(
        rig.say(message("/lumentafel/next")),
        QByteArray(
            "/lumentafel/reply/next badpass send /lumentafel/connect with the passcode first"));
    // Malformed before the passcode says no more than the well-formed.
    QCOMPARE(
        rig.say(message("/lumentafel/jump")),
        QByteArray(
            "/lumentafel/reply/jump badpass send /lumentafel/connect with the passcode first"));
    QCOMPARE(rig.say(message("/lumentafel/connect", {string("s3cre")})),
             QByteArray("/lumentafel/reply/connect badpass wrong passcode"));
    QCOMPARE(rig.say(message("/lumentafel/connect", {string("s3cret")})),
             QByteArray("/lumentafel/reply/connect ok connected"));
    QCOMPARE(rig.say(message("/lumentafel/next")), QByteArray("/lumentafel/reply/next ok "));
    // Another port of the same host is another sender.
    QCOMPARE(
        rig.say(message("/lumentafel/next"), udp(QStringLiteral("127.0.0.5"), 4000)),
        QByteArray(
            "/lumentafel/reply/next badpass send /lumentafel/connect with the passcode first"));
    // A new passcode: everyone connects again.
    rig.protocol.setPasscode("other");
    QCOMPARE(
        rig.say(message("/lumentafel/next")),
        QByteArray(
            "/lumentafel/reply/next badpass send /lumentafel/connect with the passcode first"));
    QCOMPARE(rig.target.runs.size(), 1);

    QVERIFY(PasscodeGuard::equalInConstantTime("abc", "abc"));
    QVERIFY(!PasscodeGuard::equalInConstantTime("abc", "abd"));
    QVERIFY(!PasscodeGuard::equalInConstantTime("abc", QByteArray("abc\0", 4)));
    QVERIFY(!PasscodeGuard::equalInConstantTime("", "a"));
}

void RemoteProtocolTest::fiveWrongPasscodesShutTheAddressOutForAMinute() {
    Rig rig;
    rig.protocol.setPasscode("s3cret");
    const OscMessage wrong = message("/lumentafel/connect", {string("guess")});
    const OscMessage right = message("/lumentafel/connect", {string("s3cret")});
    // From changing ports of one host, as a script would send.
    for (quint16 port = 1; port <= 5; ++port)
        QCOMPARE(rig.say(wrong, udp(QStringLiteral("127.0.0.9"), port)),
                 QByteArray("/lumentafel/reply/connect badpass wrong passcode"));
    const QByteArray shutOut = "/lumentafel/reply/connect badpass too many wrong passcodes from "
                               "this address: refused for a minute";
    QCOMPARE(rig.say(right, udp(QStringLiteral("127.0.0.9"), 6)), shutOut);
    // Another host is not affected.
    QCOMPARE(rig.say(right, udp(QStringLiteral("127.0.0.10"))),
             QByteArray("/lumentafel/reply/connect ok connected"));
    rig.clock.advance(PasscodeGuard::LockoutMs - 1);
    QCOMPARE(rig.say(right, udp(QStringLiteral("127.0.0.9"), 6)), shutOut);
    rig.clock.advance(1);
    QCOMPARE(rig.say(right, udp(QStringLiteral("127.0.0.9"), 6)),
             QByteArray("/lumentafel/reply/connect ok connected"));
}

void RemoteProtocolTest::lockRefusesPlaybackCommands() {
    Rig rig;
    rig.protocol.setLocked(true);
    QCOMPARE(rig.say(message("/lumentafel/next")),
             QByteArray("/lumentafel/reply/next denied remote control is locked"));
    QVERIFY(rig.say(message("/lumentafel/state")).startsWith("/lumentafel/reply/state ok {"));
    QCOMPARE(rig.say(message("/lumentafel/updates", {integer(1)})),
             QByteArray("/lumentafel/reply/updates ok updates on"));
    rig.protocol.setLocked(false);
    QCOMPARE(rig.say(message("/lumentafel/next")), QByteArray("/lumentafel/reply/next ok "));
    QCOMPARE(rig.target.runs.size(), 1);
}

void RemoteProtocolTest::subscriptionsEndWithSilenceOnUdpOnly() {
    Rig rig;
    RemoteSender tcp = udp(QStringLiteral("127.0.0.7"));
    tcp.transport = RemoteSender::Transport::Tcp;
    tcp.connection = 3;
    rig.say(message("/lumentafel/updates", {integer(1)}));
    rig.say(message("/lumentafel/updates", {string("1")}), tcp);
    QCOMPARE(rig.protocol.subscribers().size(), 2);
    rig.clock.advance(RemoteProtocol::UdpSilenceMs - 1);
    QCOMPARE(rig.protocol.subscribers().size(), 2);
    rig.clock.advance(1);
    const QList<RemoteSender> left = rig.protocol.subscribers();
    QCOMPARE(left.size(), 1);
    QCOMPARE(left.front().key(), tcp.key());
    rig.say(message("/lumentafel/updates", {integer(0)}), tcp);
    QVERIFY(rig.protocol.subscribers().isEmpty());
}

void RemoteProtocolTest::sendersAreBounded() {
    Rig rig;
    rig.protocol.setPasscode("pw");
    rig.say(message("/lumentafel/connect", {string("pw")}), udp(QStringLiteral("127.0.0.1")));
    for (int i = 0; i < 3 * RemoteProtocol::MaximumSenders; ++i) {
        rig.clock.advance(1);
        rig.say(message("/lumentafel/next"),
                udp(QStringLiteral("10.1.%1.%2").arg(i / 256).arg(i % 256)));
    }
    QCOMPARE(rig.protocol.senderCount(), RemoteProtocol::MaximumSenders);
    // The sender heard least recently went first: it must connect again.
    QVERIFY(
        rig.say(message("/lumentafel/next"), udp(QStringLiteral("127.0.0.1"))).contains("badpass"));
}

void RemoteProtocolTest::codecRoundTripsAndRejectsMalformedPackets() {
    const QByteArray packet = OscCodec::encode("/lumentafel/reply/next", {"ok", "\xC3\x9C"});
    QCOMPARE(packet.size() % 4, 0);
    const QList<OscMessage> messages = OscCodec::decode(packet);
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages.front().address, QByteArray("/lumentafel/reply/next"));
    QCOMPARE(messages.front().arguments.size(), 2);
    QCOMPARE(messages.front().arguments.at(1).text, QByteArray("\xC3\x9C"));

    // A bundle of two messages, then one whose element size overruns it.
    const QByteArray next = OscCodec::encode("/lumentafel/next", {});
    const QByteArray size(QByteArray::fromHex("000000") + char(next.size()));
    const QByteArray bundle =
        QByteArray("#bundle\0", 8) + QByteArray(8, '\0') + size + next + size + next;
    QCOMPARE(OscCodec::decode(bundle).size(), 2);
    QCOMPARE(OscCodec::decode(bundle.left(bundle.size() - 4)).size(), 1);
    // Wrong type tags, a string without its end, a cut packet, 60 KB of a string.
    QVERIFY(OscCodec::decode(QByteArray("/lumentafel/next\0\0\0\0,q\0\0", 24)).isEmpty());
    QVERIFY(OscCodec::decode(QByteArray("/lumentafel/next")).isEmpty());
    QVERIFY(OscCodec::decode(packet.left(packet.size() - 4)).isEmpty());
    const QByteArray huge = OscCodec::encode("/lumentafel/goto", {QByteArray(60000, '1')});
    QCOMPARE(OscCodec::decode(huge).size(), 1);
    Rig rig;
    QCOMPARE(rig.say(OscCodec::decode(huge).front()),
             QByteArray("/lumentafel/reply/goto error the text number must be 1 to 99999"));
}

QTEST_GUILESS_MAIN(RemoteProtocolTest)
#include "tst_remoteprotocol.moc"
