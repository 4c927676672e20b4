#include "boardprocess.h"
#include "programonline.h"
#include "ptyreader.h"

#include "app/programboards.h"
#include "display/boardfanout.h"
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
    void uploadToTwoBoardsSumsUpEachAnswer();
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

// Two boards, the second behind a serial device server that answers CHECK FALSE: each board
// has its own handshake, the first one's success is not held back by the second's failure,
// and the status line sums both up.
void BoardEmulatorTest::uploadToTwoBoardsSumsUpEachAnswer() {
    BoardProcess second;
    QVERIFY2(second.start({"--tcp", "0", "--tcp-address", "127.0.0.1", "--reply", "check-false"}),
             qPrintable(second.report()));
    const QString address = second.lines.first().section(QLatin1Char(' '), 1, 1).chopped(1);
    QVERIFY2(address.startsWith(QLatin1String("tcp://127.0.0.1:")), qPrintable(address));
    ProgramOnLine program;
    program.openPeer = false;
    QVERIFY2(program.start("offline=1\r\nWeitereAnzeigen=" + address.toLatin1() + "\r\n"),
             program.pty ? program.pty->output().constData() : "");
    BoardProcess first;
    QVERIFY2(first.start(QStringList{"--device", program.dir.filePath(QStringLiteral("peer")),
                                     "--settings",
                                     program.dir.filePath(QStringLiteral("Lumentafel.ini"))}),
             qPrintable(first.report()));
    QVERIFY2(program.prompter.finished(), program.prompter.report());
    BoardFanOut& boards = program.main().boards().fanOut();
    QCOMPARE(boards.count(), 1);
    QTRY_VERIFY_WITH_TIMEOUT(boards.output(0).isConnected(), 20000);
    program.main().table().setRows({{"", "1", "JA", "B", "AB,CD", "3", "M1", ""}});

    program.main().form().uploadStrip->uploadButton()->click();
    QVERIFY2(program.prompter.finished(), program.prompter.report());
    QTRY_COMPARE_WITH_TIMEOUT(
        program.main().form().statusLine->currentMessage(),
        QStringLiteral("Übertragung: 1 von 2 OK; %1: CHECK FALSE").arg(address), 20000);
    QVERIFY(program.main().form().uploadStrip->uploadButton()->isEnabled());
    QVERIFY2(first.waitFor(QStringLiteral("upload ok")), qPrintable(first.report()));
    QVERIFY2(second.waitFor(QStringLiteral("upload check-false")), qPrintable(second.report()));
    for (BoardProcess* board : {&first, &second}) {
        board->process.terminate();
        QVERIFY(board->process.waitForFinished(20000));
    }
}

QTEST_MAIN(BoardEmulatorTest)
#include "tst_boardemulator.moc"
