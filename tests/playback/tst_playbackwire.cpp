#include "ptypair.h"
#include "ptyreader.h"
#include "scriptedprompter.h"
#include "virtualclock.h"

#include "app/mainwindow.h"
#include "app/programservices.h"
#include "app/programwindows.h"
#include "platform/comportresolver.h"
#include "platform/qteventpump.h"
#include "platform/qtserialport.h"
#include "playback/playbackcontroller.h"
#include "sequence/rowselection.h"
#include "sequence/sequencetable.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// The whole program on the virtual clock, its display on a real serial port behind a socat
// pseudo-terminal pair: the operator presses Ctrl+Enter and the frames arrive at the far
// end in order, byte for byte.
class PlaybackWireTest : public QObject {
    Q_OBJECT

private slots:
    void ctrlEnterPlaysTheSequenceOnTheLine();
};

namespace {

QByteArray frame(const char* line1, const char* line2) {
    return '\x02' + QByteArray(line1).leftJustified(4, ' ') +
           QByteArray(line2).leftJustified(4, ' ') + '\x03';
}

} // namespace

void PlaybackWireTest::ctrlEnterPlaysTheSequenceOnTheLine() {
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath("com"));
    PtyPair pty(dir.filePath("com/COM5"), dir.filePath("peer"));
    QVERIFY2(pty.start(), pty.output().constData());
    PtyReader peer(dir.filePath("peer"));
    QVERIFY2(peer.isOpen(), qPrintable(peer.errorString()));

    QFile ini(dir.filePath("Lumentafel.ini"));
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write("[Anzeige]\r\nSeriellerCOM-Port=5\r\nZeilen=2\r\nStellen=4\r\n");
    ini.close();

    VirtualClock clock;
    QtEventPump pump;
    ScriptedPrompter prompter;
    QtSerialPort port{ComPortResolver(dir.filePath("com"))};
    ProgramServices services{clock, pump, prompter, port, {}, {}, {}, {}};
    services.argv0 = dir.filePath("Lumentafel");
    services.fallbackDir = dir.path();
    services.configDir = dir.filePath("config");
    services.screenWidth = 1024;
    services.screenHeight = 768;
    auto windows = std::make_unique<ProgramWindows>(services);
    clock.advance(200);
    MainWindow& main = windows->main();
    QVERIFY(main.startupDone());
    QVERIFY2(prompter.finished(), prompter.report());
    QVERIFY(port.isOpen());

    std::vector<SequenceTable::Cells> rows(2);
    rows[0] = {"", "1", "JA", "B", "AB,CD,EF", "1", "M1", ""};
    rows[1] = {"", "2", "JA", "S", "S1", "1", "M1", ""};
    main.table().setRows(rows);
    main.selection().select(1);
    main.show();
    QApplication::setActiveWindow(&main);
    QVERIFY(QTest::qWaitForWindowActive(&main));

    QTest::keyClick(&main, Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(main.playback().playbackMode(), PlaybackMode::Automatic);
    // Row 1: two pages a second apart; its run-out starts row 2, whose two scroll frames
    // follow 100 ms later; then the sequence wraps to row 1.
    clock.advance(100);
    clock.advance(1000);
    clock.advance(1000 + 100);
    clock.advance(1000);
    clock.advance(1000 + 100);
    const QByteArray expected =
        frame("AB", "CD") + frame("EF", "") + frame("", "S1") + frame("S1", "") + frame("AB", "CD");
    QCOMPARE(peer.readAtLeast(int(expected.size())), expected);

    // The supervision window took the focus when it first showed; the keys belong to the
    // main window.
    QApplication::setActiveWindow(&main);
    QTest::keyClick(&main, Qt::Key_Escape);
    QCOMPARE(main.playback().playbackMode(), PlaybackMode::Stopped);
    QCOMPARE(peer.readAtLeast(10), frame("", ""));
    QVERIFY2(prompter.finished(), prompter.report());
}

QTEST_MAIN(PlaybackWireTest)
#include "tst_playbackwire.moc"
