#include "ptypair.h"
#include "ptyreader.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

// The real executable, started offscreen from a temporary folder through a symlink named
// like the stage variant, with its settings file beside it and its port behind a socat
// pseudo-terminal pair.
class ProgramTest : public QObject {
    Q_OBJECT

private slots:
    void terminationBlanksTheBoardAndWritesTheSettings_data();
    void terminationBlanksTheBoardAndWritesTheSettings();
};

void ProgramTest::terminationBlanksTheBoardAndWritesTheSettings_data() {
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("signalNumber");
    // SIGTERM as a shutdown of the machine sends it; SIGINT as Ctrl+C in a terminal.
    QTest::newRow("3x24, SIGTERM") << 3 << 24 << int(SIGTERM);
    QTest::newRow("4x40, SIGINT") << 4 << 40 << int(SIGINT);
}

void ProgramTest::terminationBlanksTheBoardAndWritesTheSettings() {
    QFETCH(int, lines);
    QFETCH(int, columns);
    QFETCH(int, signalNumber);
    const QString binary = qEnvironmentVariable("LUMENTAFEL_BINARY");
    QVERIFY2(QFile::exists(binary), "LUMENTAFEL_BINARY must name the built program");

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QFile::link(binary, dir.filePath(QStringLiteral("RPW"))));
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("com")));
    PtyPair pty(dir.filePath(QStringLiteral("com/COM7")), dir.filePath(QStringLiteral("board")));
    QVERIFY2(pty.start(), pty.output());
    PtyReader board(pty.linkB());
    QVERIFY2(board.isOpen(), qPrintable(board.errorString()));

    QFile ini(dir.filePath(QStringLiteral("RPW.ini")));
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write(QStringLiteral("; board in the gallery\r\n[Anzeige]\r\nSeriellerCOM-Port=7\r\n"
                             "Zeilen=%1\r\nStellen=%2\r\n[Programm]\r\nFensterPositionX=33\r\n"
                             "EditHoehe=300\r\n")
                  .arg(lines)
                  .arg(columns)
                  .toLatin1());
    ini.close();

    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("LUMENTAFEL_COM_DIR"), dir.filePath(QStringLiteral("com")));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
    program.setProcessEnvironment(env);
    program.setWorkingDirectory(dir.path());
    program.setProcessChannelMode(QProcess::SeparateChannels);
    program.start(dir.filePath(QStringLiteral("RPW")), {});
    QVERIFY(program.waitForStarted());

    QByteArray log;
    QTRY_VERIFY2_WITH_TIMEOUT((log += program.readAllStandardError()).contains("start-up complete"),
                              log.constData(), 20000);

    QCOMPARE(::kill(static_cast<pid_t>(program.processId()), signalNumber), 0);
    const QByteArray expected =
        QByteArray(1, '\x02') + QByteArray(lines * columns, ' ') + QByteArray(1, '\x03');
    QCOMPARE(board.readAtLeast(expected.size(), 10000), expected);

    QVERIFY(program.waitForFinished(10000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);

    QVERIFY(ini.open(QIODevice::ReadOnly));
    const QByteArray written = ini.readAll();
    QVERIFY2(written.startsWith("; board in the gallery\r\n[Anzeige]\r\nSeriellerCOM-Port=7\r\n"),
             written.constData());
    QVERIFY2(written.contains("\r\nFensterPositionX=33\r\n"), written.constData());
    QVERIFY2(written.contains("\r\nSprache=D\r\n"), written.constData());
    QVERIFY2(written.contains("\r\nEditHoehe=300\r\n"), written.constData());
    QVERIFY2(written.contains("[AnzeigeKontrolle]\r\n"), written.constData());
}

QTEST_GUILESS_MAIN(ProgramTest)
#include "tst_program.moc"
