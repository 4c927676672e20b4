#include "programprocess.h"
#include "wireframes.h"

#include <QElapsedTimer>
#include <QTest>

namespace {

QByteArray iniWithLastFile(const QString& path) {
    return "[Anzeige]\r\nSeriellerCOM-Port=7\r\n[Programm]\r\nLetzteDatei=" + path.toLocal8Bit() +
           "\r\n";
}

// A sequence as another program might have written it: lone line feeds, no tab at the ends.
const QByteArray ForeignFile = "\tText Nr.\tAktiv\tB/S/F\tText\tParameter\tDauer\tHinweis\n"
                               "\t00010\tJA\tBLOCK\t\"GR\xDC\xDF GOTT\"\t3\tV10\t\n"
                               "\t00020\tNEIN\tSCROLL\tA,B\t4\tM8\tnote";
// The same sequence as the program writes it.
const QByteArray WrittenFile = "\tText Nr.\tAktiv\tB/S/F\tText\tParameter\tDauer\tHinweis\t\r\n"
                               "\t00010\tJA\tBLOCK\t\"GR\xDC\xDF GOTT\"\t3\tV10\t\t\r\n"
                               "\t00020\tNEIN\tSCROLL\tA,B\t4\tM8\tnote\t\r\n";

// The program on a private X server, with "show.lta" (these bytes) as its last sequence.
void startOnXWithShow(XSession& x, ProgramFolder& folder, const QByteArray& show) {
    QVERIFY2(x.start(), x.errorOutput().constData());
    QVERIFY(folder.prepare(iniWithLastFile(folder.path(QStringLiteral("show.lta")))));
    QVERIFY(folder.write(QStringLiteral("show.lta"), show));
    QVERIFY2(folder.start(onX(x)), folder.log.constData());
}

} // namespace

class ProgramTest : public QObject {
    Q_OBJECT

private slots:
    void terminationBlanksTheBoardAndWritesTheSettings_data();
    void terminationBlanksTheBoardAndWritesTheSettings();
    void sequenceNamedOnTheCommandLineOpensInsteadOfTheLast();
    void ctrlSWritesTheOpenedSequence();
    void terminationKeepsUnsavedChangesInARescueCopy();
    void ctrlEnterPlaysTheSequenceOnTheBoard();
    void englishFromTheSettingsStaysEnglish();
    void terminationWithoutAPortEndsPromptly();
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
    ProgramFolder folder;
    QVERIFY2(folder.prepare(QStringLiteral("; board in the gallery\r\n[Anzeige]\r\n"
                                           "SeriellerCOM-Port=7\r\nZeilen=%1\r\nStellen=%2\r\n"
                                           "[Programm]\r\nFensterPositionX=33\r\nEditHoehe=300\r\n")
                                .arg(lines)
                                .arg(columns)
                                .toLatin1()),
             "LUMENTAFEL_BINARY must name the built program, and socat must run");
    QVERIFY2(folder.start(offscreen()), folder.log.constData());

    QCOMPARE(::kill(static_cast<pid_t>(folder.program.processId()), signalNumber), 0);
    const QByteArray expected =
        QByteArray(1, '\x02') + QByteArray(lines * columns, ' ') + QByteArray(1, '\x03');
    QCOMPARE(folder.board->readAtLeast(expected.size(), 10000), expected);

    QVERIFY(folder.program.waitForFinished(10000));
    QCOMPARE(folder.program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(folder.program.exitCode(), 0);

    const QByteArray written = folder.read(QStringLiteral("RPW.ini"));
    QVERIFY2(written.startsWith("; board in the gallery\r\n[Anzeige]\r\nSeriellerCOM-Port=7\r\n"),
             written.constData());
    QVERIFY2(written.contains("\r\nFensterPositionX=33\r\n"), written.constData());
    QVERIFY2(written.contains("\r\nSprache=D\r\n"), written.constData());
    QVERIFY2(written.contains("\r\nEditHoehe=300\r\n"), written.constData());
    QVERIFY2(written.contains("[AnzeigeKontrolle]\r\n"), written.constData());
}

void ProgramTest::sequenceNamedOnTheCommandLineOpensInsteadOfTheLast() {
    ProgramFolder folder;
    QVERIFY(folder.prepare(iniWithLastFile(folder.path(QStringLiteral("last.lta")))));
    QVERIFY(folder.write(QStringLiteral("last.lta"), WrittenFile));
    QVERIFY(folder.write(QStringLiteral("named.lta"), ForeignFile));
    QVERIFY2(folder.start(offscreen(), {QStringLiteral("named.lta")}), folder.log.constData());
    QVERIFY(folder.terminate());
    const QByteArray ini = folder.read(QStringLiteral("RPW.ini"));
    QVERIFY2(ini.contains("LetzteDatei=" + folder.path(QStringLiteral("named.lta")).toLocal8Bit() +
                          "\r\n"),
             ini.constData());
    // Opening changes nothing on disk.
    QCOMPARE(folder.read(QStringLiteral("named.lta")), ForeignFile);
}

void ProgramTest::ctrlSWritesTheOpenedSequence() {
    if (!XSession::available())
        QSKIP("Xvfb and xdotool are not installed (scripts/setup installs them)");
    XSession x;
    ProgramFolder folder;
    startOnXWithShow(x, folder, ForeignFile);
    if (QTest::currentTestFailed())
        return;

    QVERIFY2(x.key(QStringLiteral("^RPW V1\\.54 - show\\.lta$"), QStringLiteral("ctrl+s")),
             x.errorOutput().constData());
    QTRY_COMPARE_WITH_TIMEOUT(folder.read(QStringLiteral("show.lta")), WrittenFile, 10000);
    QVERIFY(folder.terminate());
    QCOMPARE(folder.read(QStringLiteral("show.lta")), WrittenFile);
}

void ProgramTest::terminationKeepsUnsavedChangesInARescueCopy() {
    if (!XSession::available())
        QSKIP("Xvfb and xdotool are not installed (scripts/setup installs them)");
    XSession x;
    ProgramFolder folder;
    startOnXWithShow(x, folder, WrittenFile);
    if (QTest::currentTestFailed())
        return;

    // Delete the selected entry (row 1) and confirm the question with its default, Yes.
    QVERIFY2(x.key(QStringLiteral("^RPW V1\\.54 - show\\.lta$"), QStringLiteral("ctrl+Delete")),
             x.errorOutput().constData());
    QVERIFY2(x.key(QStringLiteral("^RPW$"), QStringLiteral("Return")), x.errorOutput().constData());
    // The deletion follows the answer at once; the termination must come after it.
    QVERIFY2(x.waitUntilClosed(QStringLiteral("^RPW$")), x.errorOutput().constData());
    QVERIFY(folder.terminate());

    const QByteArray rescued = folder.read(QStringLiteral("show.rescue.lta"));
    // The one entry left was inactive: it is made active, so that one entry stays active.
    QCOMPARE(rescued, WrittenFile.left(WrittenFile.indexOf("\r\n") + 2) +
                          "\t00020\tJA\tSCROLL\tA,B\t4\tM8\tnote\t\r\n");
    QCOMPARE(folder.read(QStringLiteral("show.lta")), WrittenFile);
    // The settings keep the document; the next start offers the copy back.
    const QByteArray ini = folder.read(QStringLiteral("RPW.ini"));
    QVERIFY2(ini.contains("LetzteDatei=" + folder.path(QStringLiteral("show.lta")).toLocal8Bit() +
                          "\r\n"),
             ini.constData());
}

void ProgramTest::ctrlEnterPlaysTheSequenceOnTheBoard() {
    if (!XSession::available())
        QSKIP("Xvfb and xdotool are not installed (scripts/setup installs them)");
    XSession x;
    QVERIFY2(x.start(), x.errorOutput().constData());
    ProgramFolder folder;
    QVERIFY(folder.prepare("[Anzeige]\r\nSeriellerCOM-Port=7\r\nZeilen=2\r\nStellen=8\r\n"
                           "[Programm]\r\nLetzteDatei=" +
                           folder.path(QStringLiteral("show.lta")).toLocal8Bit() + "\r\n"));
    // Two block texts of one page each, one second a page, moving on by themselves.
    QVERIFY(folder.write(QStringLiteral("show.lta"),
                         "\tText Nr.\tAktiv\tB/S/F\tText\tParameter\tDauer\tHinweis\t\r\n"
                         "\t00010\tJA\tBLOCK\tHALLO,WELT\t1\tM1\t\t\r\n"
                         "\t00020\tJA\tBLOCK\t\"GR\xDC\xDF DU\"\t1\tM1\t\t\r\n"));
    QVERIFY2(folder.start(onX(x)), folder.log.constData());
    folder.board->readAtLeast(1, 300); // whatever the start-up sent

    QVERIFY2(x.key(QStringLiteral("^RPW V1\\.54 - show\\.lta$"), QStringLiteral("ctrl+Return")),
             x.errorOutput().constData());
    const QByteArray first("HALLO   WELT    ");
    const QByteArray second("GR\xDC\xDF DU         ");
    QList<QByteArray> frames;
    QDeadlineTimer deadline(15000);
    QByteArray wire;
    while (frames.size() < 3 && !deadline.hasExpired()) {
        wire += folder.board->readAtLeast(18, 500);
        frames = distinctFrames(wire);
    }
    QCOMPARE(frames.mid(0, 3), (QList<QByteArray>{first, second, first}));

    // Esc stops and blanks the board.
    QVERIFY2(x.key(QStringLiteral("^RPW V1\\.54 - show\\.lta$"), QStringLiteral("Escape")),
             x.errorOutput().constData());
    const QByteArray blank(16, ' ');
    QByteArray after;
    QDeadlineTimer stopDeadline(10000);
    while (!distinctFrames(after).contains(blank) && !stopDeadline.hasExpired())
        after += folder.board->readAtLeast(18, 500);
    QCOMPARE(distinctFrames(after).last(), blank);
    QVERIFY(folder.terminate());
}

// "GB" in the settings: the caption is English from the start and "GB" is written back.
void ProgramTest::englishFromTheSettingsStaysEnglish() {
    if (!XSession::available())
        QSKIP("Xvfb and xdotool are not installed (scripts/setup installs them)");
    XSession x;
    QVERIFY2(x.start(), x.errorOutput().constData());
    ProgramFolder folder;
    QVERIFY(folder.prepare("[Anzeige]\r\nSeriellerCOM-Port=7\r\n[Programm]\r\nSprache=GB\r\n"));
    QVERIFY2(folder.start(onX(x)), folder.log.constData());
    // The key finds the window by its caption only when the caption is English.
    QVERIFY2(x.key(QStringLiteral("^RPW V1\\.54 - Untitled\\.lta$"), QStringLiteral("shift")),
             x.errorOutput().constData());
    QVERIFY(folder.terminate());
    const QByteArray ini = folder.read(QStringLiteral("RPW.ini"));
    QVERIFY2(ini.contains("\r\nSprache=GB\r\n"), ini.constData());
}

// No port chosen at start-up and the question answered No: the close's blank must not ask
// for a port, or SIGTERM would leave the program waiting in the port dialog.
void ProgramTest::terminationWithoutAPortEndsPromptly() {
    if (!XSession::available())
        QSKIP("Xvfb and xdotool are not installed (scripts/setup installs them)");
    XSession x;
    QVERIFY2(x.start(), x.errorOutput().constData());
    ProgramFolder folder;
    QVERIFY(folder.prepare("[Anzeige]\r\nSeriellerCOM-Port=0\r\n"));
    QVERIFY(folder.launch(onX(x)));
    // "COM-Port ändern? Momentan: COM0": No.
    QVERIFY2(x.key(QStringLiteral("^RPW$"), QStringLiteral("Escape")), x.errorOutput().constData());
    QVERIFY2(folder.waitForLog("start-up complete", 20000), folder.log.constData());
    QElapsedTimer elapsed;
    elapsed.start();
    QVERIFY2(folder.terminate(), folder.log.constData());
    QVERIFY2(elapsed.elapsed() < 5000, QByteArray::number(elapsed.elapsed()).constData());
}

QTEST_GUILESS_MAIN(ProgramTest)
#include "tst_program.moc"
