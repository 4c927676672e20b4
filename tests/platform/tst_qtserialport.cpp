#include "platform/porterror.h"
#include "platform/qtserialport.h"
#include "ptypair.h"
#include "ptyreader.h"

#include <QCoreApplication>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// The real port end to end over a socat pseudo-terminal pair: COM5 in a private link
// folder is one end, the test reads and writes the other.
class QtSerialPortTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void opensAndSendsFrameByteForByte();
    void receivedBytesReachHandlerInOrder();
    void baudRateChangeOnOpenPortKeepsItWorking();
    void traceFileWrittenOnClose();
    void vanishedDeviceClosesPortAndReopensOnDemand();
    void unknownPortFailsToOpen();

private:
    QString link(const char* name) const { return m_folder->filePath(QString::fromLatin1(name)); }
    static QByteArray frame();

    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<PtyPair> m_pty;
};

void QtSerialPortTest::init() {
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
    m_pty = std::make_unique<PtyPair>(link("COM5"), link("peer"));
    QVERIFY2(m_pty->start(), m_pty->output().constData());
}

void QtSerialPortTest::cleanup() {
    m_pty.reset();
    m_folder.reset();
}

// A screen frame of 2 lines of 36 characters; control and high bytes must pass unchanged.
QByteArray QtSerialPortTest::frame() {
    QByteArray lines = QByteArrayLiteral("Guten Abend, meine Damen und Herren\xE4"
                                         "\r\n\x11\x13\x00\x7F\x80\xFF"
                                         "Zweite Zeile des Bildes ...");
    lines.resize(72, ' ');
    return '\x02' + lines + '\x03';
}

void QtSerialPortTest::opensAndSendsFrameByteForByte() {
    QtSerialPort port{ComPortResolver(m_folder->path())};
    port.setPortNumber(5);
    port.open(); // raising DTR and RTS fails on a pseudo-terminal; the port opens anyway
    QVERIFY(port.isOpen());

    PtyReader peer(m_pty->linkB());
    QVERIFY2(peer.isOpen(), qPrintable(peer.errorString()));
    const QByteArray bytes = frame();
    QCOMPARE(bytes.size(), 74);
    port.writeText(bytes);
    QCOMPARE(peer.readAtLeast(bytes.size()), bytes);
    QTRY_COMPARE(port.bytesQueued(), 0);
}

void QtSerialPortTest::receivedBytesReachHandlerInOrder() {
    QtSerialPort port{ComPortResolver(m_folder->path())};
    QByteArray received;
    port.setReceiveHandler([&](const QByteArray& bytes) { received += bytes; });
    port.setPortNumber(5);
    port.open();

    PtyReader peer(m_pty->linkB());
    QVERIFY(peer.isOpen());
    // More than one read buffer's worth, so nothing may stop reading half way.
    QByteArray replies;
    for (int i = 0; i < 1000; ++i)
        replies += "<<<" + QByteArray::number(i) + ">>>";
    QVERIFY(replies.size() > SerialPort::InputBufferSize);
    QVERIFY(peer.write(replies));
    QTRY_COMPARE(received.size(), replies.size());
    QCOMPARE(received, replies);
}

void QtSerialPortTest::baudRateChangeOnOpenPortKeepsItWorking() {
    QtSerialPort port{ComPortResolver(m_folder->path())};
    port.setPortNumber(5);
    port.setBaudRate(57600);
    port.open();
    port.setBaudRate(9600);
    QCOMPARE(port.baudRate(), 9600);

    PtyReader peer(m_pty->linkB());
    port.writeByte('\x06');
    QCOMPARE(peer.readAtLeast(1), QByteArray("\x06"));
}

void QtSerialPortTest::traceFileWrittenOnClose() {
    const QString tracePath = link("APRO.TRC");
    QtSerialPort port{ComPortResolver(m_folder->path())};
    port.setPortNumber(5);
    port.setTraceEnabled(true);
    port.setTraceFilePath(tracePath);
    QByteArray received;
    port.setReceiveHandler([&](const QByteArray& bytes) { received += bytes; });

    PtyReader peer(m_pty->linkB());
    port.writeText("\x02\x41\x03");
    QCOMPARE(peer.readAtLeast(3), QByteArray("\x02\x41\x03"));
    QVERIFY(peer.write("\xFE"));
    QTRY_COMPARE(received, QByteArray("\xFE"));
    QVERIFY(!QFile::exists(tracePath));

    port.close();
    QVERIFY(!port.isOpen());
    QFile file(tracePath);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("S: 02 41 03\r\nR: FE\r\n"));
}

void QtSerialPortTest::vanishedDeviceClosesPortAndReopensOnDemand() {
    const QString tracePath = link("APRO.TRC");
    QtSerialPort port{ComPortResolver(m_folder->path())};
    QSignalSpy vanished(&port, &QtSerialPort::deviceVanished);
    port.setPortNumber(5);
    port.setTraceEnabled(true);
    port.setTraceFilePath(tracePath);
    {
        PtyReader peer(m_pty->linkB());
        port.writeText("A");
        QCOMPARE(peer.readAtLeast(1), QByteArray("A"));
    }

    m_pty->stop(); // the device vanishes under the open port
    QTRY_VERIFY(!port.isOpen());
    QCOMPARE(vanished.count(), 1);
    QVERIFY(QFile::exists(tracePath)); // closed as by close(), trace included
    for (int i = 0; i < 100; ++i)
        QCoreApplication::processEvents();
    QCOMPARE(vanished.count(), 1); // one loss, no stream of errors
    QVERIFY(!port.isOpen());

    // While the device is away every write fails and the port stays closed.
    QVERIFY_THROWS_EXCEPTION(PortError, port.writeText(frame()));
    QVERIFY_THROWS_EXCEPTION(PortError, port.writeByte('x'));
    QVERIFY(!port.isOpen());
    QCOMPARE(port.bytesQueued(), 0);

    // The device returns: the next write opens the port again.
    PtyPair again(link("COM5"), link("peer"));
    QVERIFY2(again.start(), again.output().constData());
    PtyReader peer(again.linkB());
    QVERIFY(peer.isOpen());
    const QByteArray bytes = frame();
    port.writeText(bytes);
    QVERIFY(port.isOpen());
    QCOMPARE(peer.readAtLeast(bytes.size()), bytes);
    QCOMPARE(vanished.count(), 1);
}

void QtSerialPortTest::unknownPortFailsToOpen() {
    QtSerialPort port{ComPortResolver(m_folder->path())};
    QFile::link(link("nothing"), link("COM6")); // dangling: no device behind COM6
    port.setPortNumber(6);
    QVERIFY_THROWS_EXCEPTION(PortError, port.open());
    QVERIFY(!port.isOpen());
    port.setPortNumber(51);
    QVERIFY_THROWS_EXCEPTION(PortError, port.open());
    QVERIFY(!port.isOpen());
}

QTEST_GUILESS_MAIN(QtSerialPortTest)
#include "tst_qtserialport.moc"
