#include "app/inifile.h"
#include "app/settings.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class SettingsTest : public QObject {
    Q_OBJECT

private slots:
    void firstStartWithoutFile_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("lastFile");
        QTest::newRow("no file") << QByteArray() << "D"
                                 << "/opt/ltf/Unbenannt.lta";
        QTest::newRow("english") << QByteArray("[Programm]\nSprache=GB\n") << "GB"
                                 << "/opt/ltf/Untitled.lta";
        QTest::newRow("gb is not GB") << QByteArray("[Programm]\nSprache=gb\n") << "gb"
                                      << "/opt/ltf/Unbenannt.lta";
    }
    void firstStartWithoutFile() {
        QFETCH(QByteArray, file);
        QFETCH(QString, language);
        QFETCH(QString, lastFile);
        QTemporaryDir dir;
        const QString path = dir.filePath("RPW.ini");
        if (!file.isEmpty()) {
            writeAll(path, file);
        }
        const Settings s = SettingsFile(path).read("/opt/ltf");
        QCOMPARE(s.languageCode, language);
        QCOMPARE(s.lastFile, lastFile);
        QCOMPARE(s.portNumber, 0);
        QCOMPARE(s.follow, false);
        QCOMPARE(s.lines, 3);
        QCOMPARE(s.columns, 24);
        QCOMPARE(s.lowerCase, false);
        QCOMPARE(QList<int>({s.windowLeft, s.windowTop, s.windowWidth, s.windowHeight}),
                 QList<int>({20, 20, 775, 510}));
        QCOMPARE(s.editHeight, 232);
        QCOMPARE(QList<int>({s.copyboardLeft, s.copyboardTop, s.copyboardHeight}),
                 QList<int>({20, 20, 510}));
        QCOMPARE(QList<int>({s.supervisionLeft, s.supervisionTop}), QList<int>({20, 20}));
        QCOMPARE(s.offline, false);
        QCOMPARE(s.offlineRate, 0);
        QCOMPARE(s.trace, false);
    }

    void readsEveryKey() {
        QTemporaryDir dir;
        const QString path = dir.filePath("RPW.ini");
        writeAll(path, "[Anzeige]\r\nSeriellerCOM-Port=3\r\nZeilen=0x4\r\nStellen=40\r\n"
                       "Kleinschrift=1\r\noffline=1\r\nofflinerate=9600\r\ntrace=1\r\n"
                       "[Einstellungen]\r\nVerfolgen=1\r\n"
                       "[Programm]\r\nLetzteDatei=/b/\xC4.lta\r\nSprache=GB\r\n"
                       "FensterPositionX=1\r\nFensterPositionY=2\r\nFensterBreite=800\r\n"
                       "FensterHoehe=600\r\nEditHoehe=300\r\n"
                       "[Copyboard]\r\nFensterPositionX=3\r\nFensterPositionY=4\r\n"
                       "FensterHoehe=5\r\n"
                       "[AnzeigeKontrolle]\r\nFensterPositionX=6\r\nFensterPositionY=7\r\n");
        const Settings s = SettingsFile(path).read("/x");
        QCOMPARE(s.portNumber, 3);
        QVERIFY(s.follow && s.lowerCase && s.offline && s.trace);
        QCOMPARE(s.lastFile, QStringLiteral("/b/Ä.lta"));
        QCOMPARE(s.languageCode, QStringLiteral("GB"));
        QCOMPARE(s.lines, 4);
        QCOMPARE(s.columns, 40);
        QCOMPARE(s.offlineRate, 9600);
        QCOMPARE(
            QList<int>({s.windowLeft, s.windowTop, s.windowWidth, s.windowHeight, s.editHeight}),
            QList<int>({1, 2, 800, 600, 300}));
        QCOMPARE(QList<int>({s.copyboardLeft, s.copyboardTop, s.copyboardHeight, s.supervisionLeft,
                             s.supervisionTop}),
                 QList<int>({3, 4, 5, 6, 7}));
    }

    void flagsAndInvalidValues_data() {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<bool>("flagOn");
        QTest::addColumn<int>("lines");
        QTest::newRow("1") << QByteArray("1") << true << 1;
        QTest::newRow("hex 1") << QByteArray("0x1") << true << 1;
        QTest::newRow("2") << QByteArray("2") << false << 2;
        QTest::newRow("0") << QByteArray("0") << false << 0;
        QTest::newRow("invalid") << QByteArray("ja") << false << 3;
        QTest::newRow("empty") << QByteArray("") << false << 3;
        // The file's values as they stand: the display geometry brings them into range.
        QTest::newRow("too many lines") << QByteArray("500") << false << 500;
        QTest::newRow("negative") << QByteArray("-1") << false << -1;
    }
    void flagsAndInvalidValues() {
        QFETCH(QByteArray, value);
        QFETCH(bool, flagOn);
        QFETCH(int, lines);
        QTemporaryDir dir;
        const QString path = dir.filePath("RPW.ini");
        writeAll(path, "[Anzeige]\nKleinschrift=" + value + "\nZeilen=" + value +
                           "\nStellen=" + value + "\n");
        const Settings s = SettingsFile(path).read("/x");
        QCOMPARE(s.lowerCase, flagOn);
        QCOMPARE(s.lines, lines);
        QCOMPARE(s.columns, lines == 3 ? 24 : lines);
    }

    void emptyLastFileIsKept() {
        QTemporaryDir dir;
        const QString path = dir.filePath("RPW.ini");
        writeAll(path, "[Programm]\nLetzteDatei=\n");
        QCOMPARE(SettingsFile(path).read("/x").lastFile, QString());
    }

    void shutdownKeysKeepHandSetLines() {
        QTemporaryDir dir;
        const QString path = dir.filePath("RPW.ini");
        const QByteArray head = "; Anzeige von Hand eingerichtet\r\n[Anzeige]\r\nZeilen=4\r\n"
                                "Stellen = 40\r\nSeriellerCOM-Port=2\r\n\r\n";
        writeAll(path, head + "[Programm]\r\nSprache=D\r\nunbekannt=x\r\n");
        const SettingsFile file(path);
        Settings s = file.read("/x");
        s.follow = true;
        s.lastFile = QStringLiteral("/b/Größe.lta");
        s.languageCode = QStringLiteral("GB");
        s.windowLeft = 5;
        s.supervisionTop = 9;
        QVERIFY(file.writeShutdownKeys(s));
        const QByteArray expected =
            head +
            "[Programm]\r\nSprache=GB\r\nunbekannt=x\r\nLetzteDatei=/b/Gr\xF6\xDF"
            "e.lta\r\nFensterPositionX=5\r\nFensterPositionY=20\r\nFensterBreite=775\r\n"
            "FensterHoehe=510\r\nEditHoehe=232\r\n\r\n[Einstellungen]\r\nVerfolgen=1\r\n\r\n"
            "[Copyboard]\r\nFensterPositionX=20\r\nFensterPositionY=20\r\nFensterHoehe=510\r\n"
            "\r\n[AnzeigeKontrolle]\r\nFensterPositionX=20\r\nFensterPositionY=9\r\n";
        QCOMPARE(readAll(path), expected);

        const Settings back = file.read("/x");
        QCOMPARE(back.lastFile, s.lastFile);
        QCOMPARE(back.lines, 4);
        QCOMPARE(back.portNumber, 2);

        s.follow = false;
        QVERIFY(file.writeShutdownKeys(s));
        QVERIFY(readAll(path).contains("\r\nVerfolgen=0\r\n"));
    }

    void writePortNumberWritesOnlyThatKey() {
        QTemporaryDir dir;
        const QString path = dir.filePath("RPW.ini");
        writeAll(path, "[Programm]\nSprache=GB\n[anzeige]\nseriellercom-port=1\nZeilen=4");
        QVERIFY(SettingsFile(path).writePortNumber(7));
        QCOMPARE(readAll(path),
                 QByteArray("[Programm]\nSprache=GB\n[anzeige]\nSeriellerCOM-Port=7\nZeilen=4"));
    }

    // [Fernsteuerung]: off by default, a port outside 0 to 65535 leaves that listener off,
    // and what the dialog stores survives a read.
    void remoteControlKeys() {
        QTemporaryDir dir;
        const QString path = dir.filePath("RPW.ini");
        QVERIFY(SettingsFile(path).read(dir.path()).remote == RemoteSettings());
        writeAll(path, "[fernsteuerung]\nPort=70000\nTextport=-1\nPasswort=Gr\xFC\xDF\n"
                       "Adresse= 127.0.0.1 \n");
        RemoteSettings remote = SettingsFile(path).read(dir.path()).remote;
        QCOMPARE(remote.port, 0);
        QCOMPARE(remote.textPort, 0);
        QCOMPARE(remote.passcode, QStringLiteral("Gr\u00FC\u00DF"));
        QCOMPARE(remote.address, QStringLiteral("127.0.0.1"));
        remote.port = 53000;
        remote.textPort = 53010;
        QVERIFY(SettingsFile(path).writeRemote(remote));
        QVERIFY(SettingsFile(path).read(dir.path()).remote == remote);
    }

    void writeCreatesFileAndFolder() {
        QTemporaryDir dir;
        const QString path = dir.filePath("config/lumentafel/RPW.ini");
        QVERIFY(SettingsFile(path).writePortNumber(3));
        QCOMPARE(readAll(path), QByteArray("[Anzeige]\r\nSeriellerCOM-Port=3\r\n"));
    }

    void unwritableFileReportsFailure() {
        QTemporaryDir dir;
        writeAll(dir.filePath("file"), "x");
        const SettingsFile file(dir.filePath("file/RPW.ini"));
        QVERIFY(!file.writePortNumber(1));
        QVERIFY(!file.writeShutdownKeys(Settings()));
    }
};

QTEST_GUILESS_MAIN(SettingsTest)
#include "tst_settings.moc"
