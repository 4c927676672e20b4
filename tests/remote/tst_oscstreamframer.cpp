#include "remote/oscstreamframer.h"

#include <QTest>

namespace {

const char End = OscStreamFramer::End;

QByteArray lengthPrefixed(const QByteArray& packet) {
    const auto n = quint32(packet.size());
    const char size[] = {char(n >> 24), char(n >> 16), char(n >> 8), char(n)};
    return QByteArray(size, 4) + packet;
}

} // namespace

class OscStreamFramerTest : public QObject {
    Q_OBJECT

private slots:
    void cutsTheStreamIntoPackets_data();
    void cutsTheStreamIntoPackets();
    void keepsNoMoreThanOnePacket();
    void repliesInTheStreamsFraming();
};

void OscStreamFramerTest::cutsTheStreamIntoPackets_data() {
    QTest::addColumn<QByteArray>("stream");
    QTest::addColumn<QList<QByteArray>>("packets");
    QTest::addColumn<int>("dropped");
    const QByteArray a("/a\0\0,\0\0\0", 8);
    const QByteArray withEnd = QByteArray("/b\0\0,s\0\0", 8) + End + QByteArray("\xDB\0\0\0", 4);
    QTest::newRow("slip, END at both ends")
        << End + a + End + End + a + End << QList<QByteArray>{a, a} << 0;
    QTest::newRow("slip, escapes")
        << OscStreamFramer::slipEncode(withEnd) << QList<QByteArray>{withEnd} << 0;
    QTest::newRow("slip, END only after")
        << End + a + End + a + End << QList<QByteArray>{a, a} << 0;
    QTest::newRow("slip, bad escape drops one") << End +
                                                       QByteArray("x\xDB"
                                                                  "q") +
                                                       End + a + End
                                                << QList<QByteArray>{a} << 1;
    QTest::newRow("slip, half a packet") << End + a.left(3) << QList<QByteArray>{} << 0;
    QTest::newRow("length prefix")
        << lengthPrefixed(a) + lengthPrefixed(withEnd) << QList<QByteArray>{a, withEnd} << 0;
    QTest::newRow("length prefix, cut") << lengthPrefixed(a).left(6) << QList<QByteArray>{} << 0;
}

void OscStreamFramerTest::cutsTheStreamIntoPackets() {
    QFETCH(QByteArray, stream);
    QFETCH(QList<QByteArray>, packets);
    QFETCH(int, dropped);
    // Whole, and a byte at a time: the cut into reads changes nothing.
    OscStreamFramer whole;
    QCOMPARE(whole.feed(stream), packets);
    QCOMPARE(whole.droppedPackets(), dropped);
    OscStreamFramer bytewise;
    QList<QByteArray> got;
    for (const char byte : stream)
        got += bytewise.feed(QByteArray(1, byte));
    QCOMPARE(got, packets);
}

void OscStreamFramerTest::keepsNoMoreThanOnePacket() {
    OscStreamFramer slip;
    const QByteArray a("/a\0\0,\0\0\0", 8);
    QVERIFY(slip.feed(End + QByteArray(OscStreamFramer::MaximumPacket + 1000, 'x')).isEmpty());
    QVERIFY(slip.pendingBytes() <= OscStreamFramer::MaximumPacket);
    // The overlong packet is dropped up to its END; the next one reads.
    QCOMPARE(slip.feed(QByteArray(1, End) + a + End), QList<QByteArray>{a});
    QCOMPARE(slip.droppedPackets(), 1);
    QVERIFY(!slip.isBroken());

    // A size prefix beyond the bound cannot be skipped: the stream is broken, nothing kept.
    OscStreamFramer prefixed;
    QVERIFY(prefixed.feed(QByteArray::fromHex("7ffffff0") + QByteArray(100, 'x')).isEmpty());
    QVERIFY(prefixed.isBroken());
    QCOMPARE(prefixed.pendingBytes(), 0);
    QVERIFY(prefixed.feed(lengthPrefixed(a)).isEmpty());
}

void OscStreamFramerTest::repliesInTheStreamsFraming() {
    const QByteArray a("/a\0\0,\0\0\0", 8);
    OscStreamFramer prefixed;
    prefixed.feed(lengthPrefixed(a));
    QCOMPARE(prefixed.frame(a), lengthPrefixed(a));
    OscStreamFramer slip;
    slip.feed(End + a + End);
    QCOMPARE(slip.frame(a), End + a + End);
}

QTEST_GUILESS_MAIN(OscStreamFramerTest)
#include "tst_oscstreamframer.moc"
