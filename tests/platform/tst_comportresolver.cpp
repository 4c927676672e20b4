#include "platform/comportresolver.h"

#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// Port numbers to device paths: the link folder first, the fixed mapping otherwise.
class ComPortResolverTest : public QObject {
    Q_OBJECT

private slots:
    void linkFolderFromEnvironment_data();
    void linkFolderFromEnvironment();
    void defaultMapping_data();
    void defaultMapping();
    void linkInFolderWins();
    void danglingLinkNamesNoDevice();
};

void ComPortResolverTest::linkFolderFromEnvironment_data() {
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<bool>("usesValue");
    QTest::newRow("set") << QByteArray("/tmp/some/com") << true;
    QTest::newRow("empty") << QByteArray("") << false;
    QTest::newRow("unset") << QByteArray() << false;
}

void ComPortResolverTest::linkFolderFromEnvironment() {
    QFETCH(QByteArray, value);
    QFETCH(bool, usesValue);
    const QByteArray saved = qgetenv("LUMENTAFEL_COM_DIR");
    if (value.isNull())
        qunsetenv("LUMENTAFEL_COM_DIR");
    else
        qputenv("LUMENTAFEL_COM_DIR", value);
    const QString folder = ComPortResolver::defaultLinkFolder();
    const QString expected =
        usesValue ? QString::fromLocal8Bit(value)
                  : QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                        QStringLiteral("/lumentafel/com");
    if (saved.isNull())
        qunsetenv("LUMENTAFEL_COM_DIR");
    else
        qputenv("LUMENTAFEL_COM_DIR", saved);
    QCOMPARE(folder, expected);
    QCOMPARE(ComPortResolver(folder).linkFolder(), expected);
}

void ComPortResolverTest::defaultMapping_data() {
    QTest::addColumn<int>("port");
    QTest::addColumn<QString>("path");
    QTest::newRow("COM1") << 1 << "/dev/ttyS0";
    QTest::newRow("COM10") << 10 << "/dev/ttyS9";
    QTest::newRow("COM11") << 11 << "/dev/ttyUSB0";
    QTest::newRow("COM30") << 30 << "/dev/ttyUSB19";
    QTest::newRow("COM31") << 31 << "/dev/ttyACM0";
    QTest::newRow("COM50") << 50 << "/dev/ttyACM19";
    QTest::newRow("COM0") << 0 << QString();
    QTest::newRow("COM51") << 51 << QString();
    QTest::newRow("negative") << -3 << QString();
}

void ComPortResolverTest::defaultMapping() {
    QFETCH(int, port);
    QFETCH(QString, path);
    QTemporaryDir emptyFolder;
    QVERIFY(emptyFolder.isValid());
    const ComPortResolver resolver(emptyFolder.path());
    QCOMPARE(resolver.devicePath(port), path);
    if (path.isEmpty())
        QVERIFY(!resolver.deviceExists(port));
}

void ComPortResolverTest::linkInFolderWins() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QFile target(folder.filePath(QStringLiteral("device")));
    QVERIFY(target.open(QIODevice::WriteOnly));
    target.close();
    QVERIFY(QFile::link(target.fileName(), folder.filePath(QStringLiteral("COM12"))));

    const ComPortResolver resolver(folder.path());
    QCOMPARE(resolver.devicePath(12), folder.filePath(QStringLiteral("COM12")));
    QVERIFY(resolver.deviceExists(12));
    QCOMPARE(resolver.devicePath(13), QStringLiteral("/dev/ttyUSB2"));
}

void ComPortResolverTest::danglingLinkNamesNoDevice() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    // COM1 would otherwise map to /dev/ttyS0, which exists on many machines.
    QVERIFY(QFile::link(folder.filePath(QStringLiteral("gone")),
                        folder.filePath(QStringLiteral("COM1"))));
    const ComPortResolver resolver(folder.path());
    QCOMPARE(resolver.devicePath(1), folder.filePath(QStringLiteral("COM1")));
    QVERIFY(!resolver.deviceExists(1));
}

QTEST_GUILESS_MAIN(ComPortResolverTest)
#include "tst_comportresolver.moc"
