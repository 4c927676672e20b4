#include "programonline.h"
#include "ptyreader.h"

#include "display/statusline.h"
#include "display/uploadbuilder.h"
#include "display/uploadstrip.h"
#include "sequence/sequencetable.h"

#include <QFileInfo>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

// lumentafel-board --headless as a process; its event lines are collected as they come.
struct BoardProcess {
    QProcess process;
    QStringList lines;
    QByteArray partial;

    bool start(const QStringList& arguments, const QString& comDir = {}) {
        const QString binary = qEnvironmentVariable("LUMENTAFEL_BOARD_BINARY");
        if (binary.isEmpty())
            return false;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        if (!comDir.isEmpty())
            env.insert(QStringLiteral("LUMENTAFEL_COM_DIR"), comDir);
        process.setProcessEnvironment(env);
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QObject::connect(&process, &QProcess::readyReadStandardOutput, [this] { collect(); });
        process.start(binary, QStringList{QStringLiteral("--headless")} + arguments);
        return waitFor(QStringLiteral("ready"));
    }
    void collect() {
        partial += process.readAllStandardOutput();
        qsizetype end;
        while ((end = partial.indexOf('\n')) >= 0) {
            lines << QString::fromUtf8(partial.left(end));
            partial.remove(0, end + 1);
        }
    }
    // Waits, turning the event loop, until a line starting with prefix has come; generous,
    // since the machine may be busy.
    bool waitFor(const QString& prefix, int timeoutMs = 20000) {
        QDeadlineTimer deadline(timeoutMs);
        while (!deadline.hasExpired()) {
            for (const QString& line : std::as_const(lines))
                if (line.startsWith(prefix))
                    return true;
            if (process.state() == QProcess::NotRunning)
                return false;
            QTest::qWait(10);
        }
        return false;
    }
    QString report() const { return lines.join(QLatin1Char('\n')); }
};

QByteArray withChecksum(const QByteArray& body) {
    const QByteArray withEnd = body + char(0xF3);
    return withEnd + UploadBuilder::checksum(withEnd);
}

} // namespace

class BoardEmulatorTest : public QObject {
    Q_OBJECT

private slots:
    void headlessBoardOnItsOwnLink();
    void programUploadsToTheBoard_data();
    void programUploadsToTheBoard();
};

// The board publishes COM7 in the ports folder; frames, junk and an upload fed to it give
// the expected event lines and replies; SIGTERM removes the link.
void BoardEmulatorTest::headlessBoardOnItsOwnLink() {
    QTemporaryDir dir;
    const QString link = dir.filePath(QStringLiteral("com/COM7"));
    BoardProcess board;
    QVERIFY2(board.start({"--port", "7", "--lines", "2", "--columns", "4"},
                         dir.filePath(QStringLiteral("com"))),
             qPrintable(board.report()));
    QVERIFY(QFileInfo(link).isSymLink());
    PtyReader line(link);
    QVERIFY2(line.isOpen(), qPrintable(line.errorString()));

    QVERIFY(line.write("\x02HALL\xC4   \x03"
                       "zz\x02X\x03"));
    QVERIFY2(board.waitFor(QStringLiteral("frame |HALL|Ä   |")), qPrintable(board.report()));
    QVERIFY2(board.waitFor(QStringLiteral("framing-error")), qPrintable(board.report()));

    QVERIFY(line.write("U"));
    QCOMPARE(line.readAtLeast(13, 20000), QByteArray("<<<BEREIT!>>>"));
    const QByteArray upload = withChecksum("020004B03AB  CD  \x02");
    QVERIFY(line.write(upload));
    QCOMPARE(line.readAtLeast(9, 20000), QByteArray("<<<OK!>>>"));
    QVERIFY2(board.waitFor(QStringLiteral("upload ok %1 bytes").arg(upload.size())),
             qPrintable(board.report()));

    QVERIFY(line.write("U"));
    QCOMPARE(line.readAtLeast(13, 20000), QByteArray("<<<BEREIT!>>>"));
    QVERIFY(line.write(withChecksum("030004B03AB  CD  \x02")));
    QCOMPARE(line.readAtLeast(17, 20000), QByteArray("<<<CHECK FALSE>>>"));
    QVERIFY2(board.waitFor(QStringLiteral("upload check-false")), qPrintable(board.report()));

    board.process.terminate();
    QVERIFY(board.process.waitForFinished(20000));
    QCOMPARE(board.process.exitStatus(), QProcess::NormalExit);
    QVERIFY(!QFileInfo(link).isSymLink());
}

void BoardEmulatorTest::programUploadsToTheBoard_data() {
    QTest::addColumn<QStringList>("boardOptions");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("event");
    QTest::newRow("checked") << QStringList{} << QStringLiteral("Übertragung ist OK!")
                             << QStringLiteral("upload ok");
    QTest::newRow("check false") << QStringList{"--reply", "check-false"}
                                 << QStringLiteral("Fehler bei Übertragung")
                                 << QStringLiteral("upload check-false");
}

// The program in offline mode presses "senden"; the board on the far end of the line
// answers, and the program's status shows the outcome.
void BoardEmulatorTest::programUploadsToTheBoard() {
    QFETCH(QStringList, boardOptions);
    QFETCH(QString, status);
    QFETCH(QString, event);
    ProgramOnLine program;
    program.openPeer = false;
    QVERIFY2(program.start("offline=1\r\n"), program.pty ? program.pty->output().constData() : "");
    BoardProcess board;
    QVERIFY2(board.start(QStringList{"--device", program.dir.filePath(QStringLiteral("peer")),
                                     "--settings",
                                     program.dir.filePath(QStringLiteral("Lumentafel.ini"))} +
                         boardOptions),
             qPrintable(board.report()));
    QVERIFY2(program.prompter.finished(), program.prompter.report());
    program.main().table().setRows({{"", "1", "JA", "B", "AB,CD", "3", "M1", ""},
                                    {"", "2", "JA", "F", "\"LAUFTEXT\"", "5,2,OBEN", "M1", ""}});

    program.main().form().uploadStrip->uploadButton()->click();
    QVERIFY2(program.prompter.finished(), program.prompter.report());
    QTRY_COMPARE_WITH_TIMEOUT(program.main().form().statusLine->currentMessage(), status, 20000);
    QVERIFY(program.main().form().uploadStrip->uploadButton()->isEnabled());
    QVERIFY2(board.waitFor(event), qPrintable(board.report()));
    board.process.terminate();
    QVERIFY(board.process.waitForFinished(20000));
}

QTEST_MAIN(BoardEmulatorTest)
#include "tst_boardemulator.moc"
