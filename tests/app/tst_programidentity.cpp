#include "app/programidentity.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class ProgramIdentityTest : public QObject {
    Q_OBJECT

private slots:
    void nameDecides_data() {
        QTest::addColumn<QString>("argv0");
        QTest::addColumn<bool>("stage");
        QTest::addColumn<QString>("iniName");
        QTest::newRow("RPW.exe") << "/opt/RPW.exe" << true << "RPW.ini";
        QTest::newRow("RPW") << "/opt/RPW" << true << "RPW.ini";
        QTest::newRow("RPWbuehne") << "/opt/RPWbuehne" << true << "RPWbuehne.ini";
        QTest::newRow("rpw.exe") << "/opt/rpw.exe" << false << "rpw.ini";
        QTest::newRow("Rpw") << "/opt/Rpw" << false << "Rpw.ini";
        QTest::newRow("RP") << "/opt/RP" << false << "RP.ini";
        QTest::newRow("lumentafel") << "/opt/lumentafel" << false << "lumentafel.ini";
        QTest::newRow("upper EXE") << "/opt/ltf.EXE" << false << "ltf.ini";
        QTest::newRow("exe only inside") << "/opt/a.exe.bak" << false << "a.exe.bak.ini";
        QTest::newRow("a.exe") << "/opt/a.exe" << false << "RPW.ini";
        QTest::newRow("a") << "/opt/a" << false << "RPW.ini";
        QTest::newRow("ab.exe") << "/opt/ab.exe" << false << "ab.ini";
        QTest::newRow(".exe") << "/opt/.exe" << false << "RPW.ini";
        QTest::newRow("empty") << "" << false << "RPW.ini";
    }
    void nameDecides() {
        QFETCH(QString, argv0);
        QFETCH(bool, stage);
        QFETCH(QString, iniName);
        const ProgramIdentity id = ProgramIdentity::fromArgv0(argv0, "/usr/bin");
        QCOMPARE(id.variant() == ProgramVariant::Stage, stage);
        QCOMPARE(id.captionPrefix(), stage ? "RPW V1.54 - " : "LTF V1.54 - ");
        QCOMPARE(id.productWords(), stage ? "Korvel Rampenwort " : "Korvel Lumentafel ");
        QCOMPARE(id.settingsFileName(), iniName);
    }

    void folder_data() {
        QTest::addColumn<QString>("argv0");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("dir");
        QTest::newRow("absolute") << "/opt/ltf/RPW"
                                  << "RPW"
                                  << "/opt/ltf";
        QTest::newRow("through PATH") << "RPW"
                                      << "RPW"
                                      << "/usr/bin";
        QTest::newRow("root folder") << "/RPW"
                                     << "RPW"
                                     << "/";
        QTest::newRow("relative") << "sub/../bin/RPW"
                                  << "RPW" << QDir::currentPath() + "/bin";
    }
    void folder() {
        QFETCH(QString, argv0);
        QFETCH(QString, name);
        QFETCH(QString, dir);
        const ProgramIdentity id = ProgramIdentity::fromArgv0(argv0, "/usr/bin");
        QCOMPARE(id.executableName(), name);
        QCOMPARE(id.executableDir(), dir);
    }

    void symlinkNameCountsAndIsNotResolved() {
        QTemporaryDir dir;
        const QString binary = dir.filePath("lumentafel");
        QFile file(binary);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QVERIFY(QDir(dir.path()).mkdir("stage"));
        const QString link = dir.filePath("stage/RPW");
        QVERIFY(QFile::link(binary, link));
        const ProgramIdentity id = ProgramIdentity::fromArgv0(link, "/usr/bin");
        QCOMPARE(id.variant(), ProgramVariant::Stage);
        QCOMPARE(id.executableDir(), dir.filePath("stage"));
        QCOMPARE(id.settingsFilePath("/cfg"), dir.filePath("stage/RPW.ini"));
    }

    void settingsFilePath_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<bool>("besideExecutable");
        QTest::newRow("writable folder") << "bin" << false << true;
        QTest::newRow("missing folder") << "missing/bin" << false << false;
        QTest::newRow("read-only folder") << "bin" << true << false;
    }
    void settingsFilePath() {
        QFETCH(QString, folder);
        QFETCH(bool, readOnly);
        QFETCH(bool, besideExecutable);
        QTemporaryDir dir;
        const QString executableDir = dir.filePath(folder);
        if (!folder.startsWith("missing")) {
            QVERIFY(QDir(dir.path()).mkdir(folder));
        }
        if (readOnly) {
            QVERIFY(QFile::setPermissions(executableDir, QFile::ReadOwner | QFile::ExeOwner));
        }
        const bool writableAnyway = readOnly && QFileInfo(executableDir).isWritable();
        const ProgramIdentity id =
            ProgramIdentity::fromArgv0(executableDir + "/RPW.exe", "/usr/bin");
        const QString path = id.settingsFilePath("/home/u/.config/lumentafel");
        QFile::setPermissions(executableDir,
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (writableAnyway) {
            QSKIP("a read-only folder stays writable for this user (root)");
        }
        QCOMPARE(path, besideExecutable ? executableDir + "/RPW.ini"
                                        : QStringLiteral("/home/u/.config/lumentafel/RPW.ini"));
    }
};

QTEST_GUILESS_MAIN(ProgramIdentityTest)
#include "tst_programidentity.moc"
