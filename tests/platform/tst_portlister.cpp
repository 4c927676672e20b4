#include "platform/portlister.h"
#include "ptypair.h"

#include <QFile>
#include <QHash>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QTest>

// The selection list: which COM names are offered, and reading a number back.
class PortListerTest : public QObject {
    Q_OBJECT

private slots:
    void listedByProbeResult_data();
    void listedByProbeResult();
    void portNumberOf_data();
    void portNumberOf();
    void realProbeOfPseudoTerminal();
    void listsPseudoTerminalBehindLink();
};

using Probe = PortLister::Probe;
using ProbeTable = QHash<int, Probe>;

void PortListerTest::listedByProbeResult_data() {
    // Ports with a device and what probing it answers; every other port has none.
    QTest::addColumn<ProbeTable>("devices");
    QTest::addColumn<QStringList>("listed");

    QTest::newRow("no ports") << ProbeTable{} << QStringList{};
    QTest::newRow("one free port") << ProbeTable{{1, Probe::Opens}} << QStringList{"COM1"};
    QTest::newRow("held by another program is listed")
        << ProbeTable{{3, Probe::AccessDenied}} << QStringList{"COM3"};
    QTest::newRow("failing device is left out") << ProbeTable{{4, Probe::Fails}} << QStringList{};
    QTest::newRow("mixed, in number order") << ProbeTable{{50, Probe::Opens},
                                                          {7, Probe::AccessDenied},
                                                          {2, Probe::Opens},
                                                          {11, Probe::Fails},
                                                          {31, Probe::Opens}}
                                            << QStringList{"COM2", "COM7", "COM31", "COM50"};
}

void PortListerTest::listedByProbeResult() {
    QFETCH(ProbeTable, devices);
    QFETCH(QStringList, listed);

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QHash<QString, Probe> byPath;
    for (int n = 1; n <= ComPortResolver::MaxPort; ++n) {
        const QString link = folder.filePath(QStringLiteral("COM%1").arg(n));
        const QString target = folder.filePath(QStringLiteral("device%1").arg(n));
        if (devices.contains(n)) {
            QFile file(target);
            QVERIFY(file.open(QIODevice::WriteOnly));
            byPath.insert(link, devices.value(n));
        }
        // A dangling link for the ports without a device keeps the machine's own devices out.
        QVERIFY(QFile::link(target, link));
    }

    QStringList probed;
    PortLister lister(ComPortResolver(folder.path()), [&](const QString& path) {
        probed << path;
        return byPath.value(path, Probe::Fails);
    });
    QCOMPARE(lister.availablePorts(), listed);
    QCOMPARE(probed.size(), devices.size()); // devices that are not there are never opened
}

void PortListerTest::portNumberOf_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("number");
    QTest::newRow("COM1") << "COM1" << 1;
    QTest::newRow("COM7") << "COM7" << 7;
    QTest::newRow("COM50") << "COM50" << 50;
    QTest::newRow("leading zero") << "COM08" << 8;
    QTest::newRow("no number") << "COM" << 0;
    QTest::newRow("letters") << "COMx" << 0;
    QTest::newRow("trailing letters") << "COM5a" << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("negative") << "COM-2" << 0;
}

void PortListerTest::portNumberOf() {
    QFETCH(QString, item);
    QFETCH(int, number);
    QCOMPARE(PortLister::portNumberOf(item), number);
}

void PortListerTest::realProbeOfPseudoTerminal() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    PtyPair pty(folder.filePath(QStringLiteral("COM5")), folder.filePath(QStringLiteral("peer")));
    QVERIFY2(pty.start(), pty.output().constData());

    QCOMPARE(PortLister::probeDevice(pty.linkA()), Probe::Opens);
    {
        QSerialPort holder;
        holder.setPortName(pty.linkA());
        QVERIFY(holder.open(QIODevice::ReadWrite));
        QCOMPARE(PortLister::probeDevice(pty.linkA()), Probe::AccessDenied);
    }
    QCOMPARE(PortLister::probeDevice(pty.linkA()), Probe::Opens); // the probe closed it again
    QCOMPARE(PortLister::probeDevice(folder.filePath(QStringLiteral("missing"))), Probe::Fails);
}

void PortListerTest::listsPseudoTerminalBehindLink() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    PtyPair pty(folder.filePath(QStringLiteral("COM5")), folder.filePath(QStringLiteral("peer")));
    QVERIFY2(pty.start(), pty.output().constData());

    const PortLister lister{ComPortResolver(folder.path())};
    QVERIFY(lister.availablePorts().contains(QStringLiteral("COM5")));

    pty.stop();
    QVERIFY(!lister.availablePorts().contains(QStringLiteral("COM5")));
}

QTEST_GUILESS_MAIN(PortListerTest)
#include "tst_portlister.moc"
