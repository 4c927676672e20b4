#include "platform/porterror.h"
#include "recordingserialport.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// The rules every port shares, on a port without a device.
class SerialPortTest : public QObject {
    Q_OBJECT

private slots:
    void writeOpensOnDemand();
    void selectorAnswers_data();
    void selectorAnswers();
    void writeTooLargeForFreeRoomFailsWhole_data();
    void writeTooLargeForFreeRoomFailsWhole();
    void bytesQueuedZeroWhenClosed();
    void traceKeepsLastEntries();
    void traceFileWrittenOnCloseOnlyWhenOn_data();
    void traceFileWrittenOnCloseOnlyWhenOn();
    void lostDeviceReopensOnNextWrite();
};

void SerialPortTest::writeOpensOnDemand() {
    RecordingSerialPort port;
    port.setAvailablePorts({3});
    port.setPortNumber(3);
    QVERIFY(!port.isOpen());
    port.writeText("\x02"
                   "AB\x03");
    QVERIFY(port.isOpen());
    QCOMPARE(port.openedPort(), 3);
    QCOMPARE(port.written(), QByteArray("\x02"
                                        "AB\x03"));
    port.writeByte('C');
    QCOMPARE(port.openCount(), 1); // an open port is not opened again

    RecordingSerialPort missing;
    missing.setPortNumber(4);
    QVERIFY_THROWS_EXCEPTION(PortError, missing.writeText("X"));
    QVERIFY(missing.written().isEmpty());
}

void SerialPortTest::selectorAnswers_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("opens");
    QTest::addColumn<int>("numberAfter");
    QTest::newRow("port chosen") << 2 << true << 2;
    QTest::newRow("nothing chosen") << 0 << false << 0;
    QTest::newRow("chosen port cannot open") << 9 << false << 9;
}

void SerialPortTest::selectorAnswers() {
    QFETCH(int, answer);
    QFETCH(bool, opens);
    QFETCH(int, numberAfter);
    RecordingSerialPort port;
    port.setAvailablePorts({2});
    int asked = 0;
    port.setPortSelector([&] {
        ++asked;
        return answer;
    });
    if (opens) {
        port.open();
    } else {
        QVERIFY_THROWS_EXCEPTION(PortError, port.open());
    }
    QCOMPARE(asked, 1);
    QCOMPARE(port.isOpen(), opens);
    QCOMPARE(port.portNumber(), numberAfter);

    // With a number set the selector is not asked again.
    if (opens) {
        port.close();
        port.open();
        QCOMPARE(asked, 1);
    }
}

void SerialPortTest::writeTooLargeForFreeRoomFailsWhole_data() {
    QTest::addColumn<int>("bufferSize");
    QTest::addColumn<int>("queued");
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("fits");
    QTest::newRow("exactly fills") << 100 << 60 << 40 << true;
    QTest::newRow("one byte too many") << 100 << 60 << 41 << false;
    QTest::newRow("empty buffer, frame too big") << 100 << 0 << 101 << false;
    QTest::newRow("default size takes a large frame")
        << SerialPort::DefaultOutputBufferSize << 0 << 40000 << true;
}

void SerialPortTest::writeTooLargeForFreeRoomFailsWhole() {
    QFETCH(int, bufferSize);
    QFETCH(int, queued);
    QFETCH(int, size);
    QFETCH(bool, fits);
    RecordingSerialPort port;
    port.setAvailablePorts({1});
    port.setPortNumber(1);
    port.open();
    port.setOutputBufferSize(bufferSize);
    port.setQueued(queued);
    port.setTraceEnabled(true);
    const QByteArray bytes(size, 'x');
    if (fits) {
        port.writeText(bytes);
        QCOMPARE(port.written(), bytes);
    } else {
        QVERIFY_THROWS_EXCEPTION(PortError, port.writeText(bytes));
        QVERIFY(port.written().isEmpty());
        QVERIFY(port.trace().entries().empty()); // nothing went out, nothing is traced
    }
}

void SerialPortTest::bytesQueuedZeroWhenClosed() {
    RecordingSerialPort port;
    port.setAvailablePorts({1});
    port.setPortNumber(1);
    port.setQueued(500);
    QCOMPARE(port.bytesQueued(), 0);
    port.open();
    port.setQueued(500);
    QCOMPARE(port.bytesQueued(), 500);
    port.close();
    QCOMPARE(port.bytesQueued(), 0);
}

void SerialPortTest::traceKeepsLastEntries() {
    RecordingSerialPort port;
    port.setAvailablePorts({1});
    port.setPortNumber(1);
    port.setTraceEnabled(true);
    port.writeText(QByteArray(SerialTrace::Capacity, 'a'));
    port.injectReply("<<<OK>>>");
    port.writeText("zz");

    const auto& entries = port.trace().entries();
    QCOMPARE(entries.size(), size_t(SerialTrace::Capacity));
    QCOMPARE(entries.front().byte, static_cast<unsigned char>('a'));
    QCOMPARE(entries[entries.size() - 3].direction, SerialTrace::Direction::Received);
    QCOMPARE(entries[entries.size() - 3].byte, static_cast<unsigned char>('>'));
    QCOMPARE(entries.back().direction, SerialTrace::Direction::Sent);
    QCOMPARE(entries.back().byte, static_cast<unsigned char>('z'));

    port.setTraceEnabled(false);
    port.writeText("q");
    port.injectReply("r");
    QCOMPARE(port.trace().entries().back().byte, static_cast<unsigned char>('z'));
}

void SerialPortTest::traceFileWrittenOnCloseOnlyWhenOn_data() {
    QTest::addColumn<bool>("traceOn");
    QTest::newRow("trace on") << true;
    QTest::newRow("trace off") << false;
}

void SerialPortTest::traceFileWrittenOnCloseOnlyWhenOn() {
    QFETCH(bool, traceOn);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("APRO.TRC"));
    RecordingSerialPort port;
    port.setAvailablePorts({1});
    port.setPortNumber(1);
    port.setTraceEnabled(traceOn);
    port.setTraceFilePath(path);
    QByteArray received;
    port.setReceiveHandler([&](const QByteArray& bytes) { received += bytes; });
    port.writeText("\x02\x41");
    port.injectReply("\x1f");
    QCOMPARE(received, QByteArray("\x1f")); // replies reach the handler either way
    QVERIFY(!QFile::exists(path));          // nothing before close
    port.close();
    QCOMPARE(QFile::exists(path), traceOn);
    if (traceOn) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("S: 02 41\r\nR: 1F\r\n"));
    }
}

void SerialPortTest::lostDeviceReopensOnNextWrite() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("APRO.TRC"));
    RecordingSerialPort port;
    port.setAvailablePorts({6});
    port.setPortNumber(6);
    port.setTraceEnabled(true);
    port.setTraceFilePath(path);
    port.writeText("A");
    port.pullDevice(6);
    QVERIFY(!port.isOpen());
    QVERIFY(QFile::exists(path)); // losing the device closes the port like close()
    QVERIFY_THROWS_EXCEPTION(PortError, port.writeText("B"));
    port.setAvailablePorts({6});
    port.writeText("C");
    QVERIFY(port.isOpen());
    QCOMPARE(port.written(), QByteArray("AC"));
    QCOMPARE(port.portNumber(), 6);
}

QTEST_GUILESS_MAIN(SerialPortTest)
#include "tst_serialport.moc"
