#include "recordingboardoutput.h"
#include "recordingserialport.h"
#include "scriptedprompter.h"
#include "virtualclock.h"
#include "virtualeventpump.h"

#include "app/mainwindow.h"
#include "app/programboards.h"
#include "app/programservices.h"
#include "app/programshowlog.h"
#include "app/programwindows.h"
#include "display/boardfanout.h"
#include "display/boardmonitor.h"
#include "display/boardsdialog.h"
#include "display/displayoutput.h"
#include "display/statusline.h"
#include "display/supervisionwindow.h"
#include "programfolder.h"
#include "showlog/showlogwriter.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The program on doubles with its further boards made as recording boards.
struct BoardsRig {
    QTemporaryDir dir;
    VirtualClock clock;
    VirtualEventPump pump{clock};
    ScriptedPrompter prompter;
    RecordingSerialPort port;
    QMap<QString, RecordingBoardOutput*> boards;
    QStringList opened;
    std::unique_ptr<ProgramServices> services;
    std::unique_ptr<ProgramWindows> windows;

    explicit BoardsRig(const QByteArray& moreBoards) {
        {
            QFile ini(dir.filePath(QStringLiteral("RPW.ini")));
            if (ini.open(QIODevice::WriteOnly))
                ini.write("[Anzeige]\r\nSeriellerCOM-Port=1\r\nZeilen=2\r\nStellen=4\r\n"
                          "WeitereAnzeigen=" +
                          moreBoards + "\r\n");
        }
        port.setAvailablePorts({1});
        services = servicesInFolder(dir.path(), QStringLiteral("RPW"), clock, pump, prompter, port);
        services->makeBoard = [this](const BoardAddress& address) {
            auto board = std::make_unique<RecordingBoardOutput>(address.text(), clock);
            boards[address.text()] = board.get();
            return board;
        };
        services->openFile = [this](const QString& path) {
            opened.append(path);
        };
        windows = std::make_unique<ProgramWindows>(*services);
        clock.advance(200);
    }
    MainWindow& main() { return windows->main(); }
    QString trouble() {
        QLabel* label = main().form().statusLine->boardTroubleLabel();
        return label->isVisible() || !label->isHidden() ? label->text() : QString();
    }
    QByteArray ini() {
        QFile f(dir.filePath(QStringLiteral("RPW.ini")));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

const QByteArray Frame("\x02"
                       "AB  CD  \x03");

} // namespace

class ProgramBoardsTest : public QObject {
    Q_OBJECT

private slots:
    void everyBoardGetsTheFramesAndOneInTroubleIsNamed();
    void theDialogAddsAndRemovesBoardsAndStoresThem();
    void showLogOpensTodaysFile();
};

// The first board's port and both further boards get the same frames; one that stops taking
// bytes holds no frame of the others back, and the operator sees which one it is.
void ProgramBoardsTest::everyBoardGetsTheFramesAndOneInTroubleIsNamed() {
    BoardsRig rig("COM8, tcp://127.0.0.20:4001, nonsense");
    QVERIFY2(rig.prompter.finished(), rig.prompter.report());
    QCOMPARE(BoardAddress::joinList(rig.main().boards().fanOut().addresses()),
             QStringLiteral("COM8, tcp://127.0.0.20:4001"));
    RecordingBoardOutput* com8 = rig.boards.value("COM8");
    RecordingBoardOutput* tcp = rig.boards.value("tcp://127.0.0.20:4001");
    QVERIFY(com8 && tcp);

    rig.port.clearWritten();
    rig.main().output().image().setLine(0, "AB");
    rig.main().output().image().setLine(1, "CD");
    rig.main().sendDisplayImage();
    QCOMPARE(rig.port.written(), Frame);
    QCOMPARE(com8->written.last(), Frame);
    QCOMPARE(tcp->written.last(), Frame);

    // The device server stops taking bytes: its frames wait, the others' do not.
    tcp->queued = 500;
    rig.main().output().blankDisplay();
    const QByteArray blank("\x02        \x03");
    QCOMPARE(com8->written.last(), blank);
    QCOMPARE(rig.port.written().right(blank.size()), blank);
    QCOMPARE(tcp->written.last(), Frame);
    rig.clock.advance(BoardOutput::StallTimeoutMs + 500);
    QCOMPARE(rig.trouble(), QStringLiteral("Anzeige tcp://127.0.0.20:4001 blockiert"));
    QCOMPARE(rig.windows->supervision().boardStatesLabel()->text(),
             QStringLiteral("COM1: verbunden, 0 Bytes wartend\n"
                            "COM8: verbunden, 0 Bytes wartend\n"
                            "tcp://127.0.0.20:4001: blockiert, 510 Bytes wartend"));

    // It takes bytes again: the newest frame goes out, the trouble is gone.
    tcp->queued = 0;
    rig.clock.advance(BoardOutput::WatchIntervalMs + BoardMonitor::IntervalMs);
    QCOMPARE(tcp->written.last(), blank);
    QCOMPARE(rig.trouble(), QString());

    // The serial board is pulled; it is named until it is back.
    com8->reachable = false;
    com8->drop();
    rig.clock.advance(BoardMonitor::IntervalMs);
    QCOMPARE(rig.trouble(), QStringLiteral("Anzeige COM8 nicht erreichbar, wird verbunden"));
    com8->reachable = true;
    rig.clock.advance(BoardOutput::FirstRetryMs);
    QCOMPARE(com8->written.last(), blank);
    rig.clock.advance(BoardMonitor::IntervalMs);
    QCOMPARE(rig.trouble(), QString());
}

void ProgramBoardsTest::theDialogAddsAndRemovesBoardsAndStoresThem() {
    BoardsRig rig("COM8");
    rig.main().boards().dialogAction()->trigger();
    BoardsDialog* dialog = rig.main().boards().dialog();
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(dialog->boardList()->count(), 2);
    QCOMPARE(dialog->boardList()->item(0)->text(),
             QStringLiteral("Erste Anzeige COM1: verbunden, 0 Bytes wartend"));

    QTest::keyClicks(dialog->addressEdit(), QStringLiteral("LPT1"));
    dialog->addButton()->click();
    QCOMPARE(rig.main().boards().fanOut().count(), 1); // refused, nothing changes
    dialog->addressEdit()->clear();
    QTest::keyClicks(dialog->addressEdit(), QStringLiteral("tcp://127.0.0.20:4001"));
    dialog->addButton()->click();
    QCOMPARE(rig.main().boards().fanOut().count(), 2);
    QVERIFY2(rig.ini().contains("\r\nWeitereAnzeigen=COM8, tcp://127.0.0.20:4001\r\n"),
             rig.ini().constData());

    dialog->boardList()->setCurrentRow(0);
    QVERIFY(!dialog->removeButton()->isEnabled()); // the first board is the port command's
    dialog->boardList()->setCurrentRow(1);
    dialog->removeButton()->click();
    QCOMPARE(BoardAddress::joinList(rig.main().boards().fanOut().addresses()),
             QStringLiteral("tcp://127.0.0.20:4001"));
    QVERIFY2(rig.ini().contains("\r\nWeitereAnzeigen=tcp://127.0.0.20:4001\r\n"),
             rig.ini().constData());
}

void ProgramBoardsTest::showLogOpensTodaysFile() {
    BoardsRig rig("COM8");
    QAction* action = rig.main().showLog().openAction();
    QCOMPARE(action->objectName(), QStringLiteral("showLogAction"));
    action->trigger();
    const QString expected = rig.dir.filePath(QStringLiteral("logs/") +
                                              ShowLogWriter::fileNameFor(QDate::currentDate()));
    QCOMPARE(rig.opened, QStringList{expected});
    QVERIFY(QFile::exists(expected));
}

QTEST_MAIN(ProgramBoardsTest)
#include "tst_programboards.moc"
