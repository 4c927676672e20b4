#include "recordingserialport.h"
#include "scriptedprompter.h"
#include "sequencerows.h"
#include "virtualclock.h"
#include "virtualeventpump.h"

#include "app/mainwindow.h"
#include "app/programservices.h"
#include "app/programwindows.h"
#include "display/displayoutput.h"
#include "display/portcommand.h"
#include "display/statusline.h"
#include "display/supervisionwindow.h"
#include "display/uploadstrip.h"
#include "editor/entryeditor.h"
#include "editor/entryeditorpanel.h"
#include "editor/previewlines.h"
#include "platform/timer.h"
#include "playback/playbackcommands.h"
#include "programfolder.h"
#include "sequence/documentstate.h"
#include "sequence/marklistwindow.h"
#include "sequence/rowselection.h"
#include "sequence/sequencecontrols.h"
#include "sequence/sequencetable.h"
#include "sequence/tablecommandbar.h"
#include "sequence/tablecommands.h"
#include "windows/aboutwindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSpinBox>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>

using Answer = Prompter::Answer;
using Kind = ScriptedPrompter::Kind;

namespace {

// The whole program on doubles: virtual clock, scripted boxes, recording port, and a
// settings file in a temporary folder beside a pretend executable.
struct ProgramRig {
    QTemporaryDir dir;
    VirtualClock clock;
    VirtualEventPump pump{clock};
    ScriptedPrompter prompter;
    RecordingSerialPort port;
    QStringList offeredPorts;
    std::unique_ptr<ProgramServices> services;
    std::unique_ptr<ProgramWindows> windows;

    explicit ProgramRig(const QString& executable = QStringLiteral("RPW")) {
        services = servicesInFolder(dir.path(), executable, clock, pump, prompter, port);
        services->listPorts = [this] {
            return offeredPorts;
        };
    }
    QString iniPath(const QString& name = QStringLiteral("RPW.ini")) const {
        return dir.filePath(name);
    }
    void writeIni(const QByteArray& text, const QString& name = QStringLiteral("RPW.ini")) {
        QFile f(iniPath(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(text);
    }
    QByteArray readIni(const QString& name = QStringLiteral("RPW.ini")) const {
        QFile f(iniPath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    MainWindow& main() { return windows->main(); }
    void start() {
        windows = std::make_unique<ProgramWindows>(*services);
        clock.advance(200);
    }
};

QByteArray blankFrame(int lines, int columns) {
    return QByteArray(1, '\x02') + QByteArray(lines * columns, ' ') + QByteArray(1, '\x03');
}

} // namespace

class StartupTest : public QObject {
    Q_OBJECT

private slots:
    void firstStartAsksForAPort();
    void storedPortOpensWithoutQuestions_data();
    void storedPortOpensWithoutQuestions();
    void displayTooLargeForTheBuffer_data();
    void displayTooLargeForTheBuffer();
    void displayLimits_data();
    void displayLimits();
    void offlineMode_data();
    void offlineMode();
    void unreachableWindowsComeBack();
    void portQuestionAnsweredNoOpensOnDemandLater();
    void remoteCommandNeverAsksForAPort();
    void closeWithoutAPortNeverAsksForOne_data();
    void closeWithoutAPortNeverAsksForOne();
    void givingUpKeepsTheProgramRunningWithoutAPort();
    void closeBlanksTheDisplayAndWritesTheSettings();
    void closeBeforeTheStartUpKeepsTheSettings();
    void supervisionShownAfterStartUp();
    void variantCaptions_data();
    void variantCaptions();
    void sequenceOpenedAtStartUp_data();
    void sequenceOpenedAtStartUp();
    void closeAsksToSaveAModifiedSequence_data();
    void closeAsksToSaveAModifiedSequence();
    void editingCommandsRestWhilePlaying();
    void editorFollowsTheSelection_data();
    void editorFollowsTheSelection();
    void closeOffersThePendingEntry_data();
    void closeOffersThePendingEntry();
    void everyControlFitsTheDefaultWindow_data();
    void everyControlFitsTheDefaultWindow();
    void timeFieldsShowTheirUnit_data();
    void timeFieldsShowTheirUnit();
    void infoItemAndSplitterHint();
    void unreadableSettingsAreReportedOnce_data();
    void unreadableSettingsAreReportedOnce();
};

void StartupTest::firstStartAsksForAPort() {
    ProgramRig rig;
    rig.port.setAvailablePorts({1});
    rig.offeredPorts = {QStringLiteral("COM1")};
    rig.prompter.expect(Kind::YesNo, QStringLiteral("COM-Port ändern? Momentan: COM0"), Answer::Yes)
        .expectPort({QStringLiteral("COM1")}, 1);
    rig.start();
    QVERIFY2(rig.prompter.finished(), rig.prompter.report());
    QVERIFY(rig.main().startupDone());

    const ShellState& shell = rig.main().shell();
    QCOMPARE(shell.captionPrefix, QStringLiteral("RPW V1.54 - "));
    QCOMPARE(rig.main().windowTitle(), QStringLiteral("RPW V1.54 - Unbenannt.lta"));
    QCOMPARE(rig.main().output().lineCount(), 3);
    QCOMPARE(rig.main().output().columnCount(), 24);
    QCOMPARE(shell.languageCode, QStringLiteral("D"));
    QCOMPARE(shell.frameTime, 84);
    QCOMPARE(rig.main().pos(), QPoint(20, 20));
    QCOMPARE(rig.main().size(), QSize(775, 510));
    QVERIFY(rig.port.isOpen());
    QCOMPARE(rig.port.portNumber(), 1);
    // A port chosen at start-up keeps the large buffer.
    QCOMPARE(rig.port.outputBufferSize(), 63000);
    QCOMPARE(rig.port.baudRate(), 19200);
    QVERIFY(rig.readIni().contains("SeriellerCOM-Port=1"));
}

void StartupTest::storedPortOpensWithoutQuestions_data() {
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<int>("bufferSize");
    QTest::addColumn<int>("frameTime");
    QTest::addColumn<int>("flowStepMinimum");
    QTest::newRow("3x24") << QByteArray("[Anzeige]\r\nSeriellerCOM-Port=5\r\n") << 164 << 84 << 1;
    QTest::newRow("4x40") << QByteArray(
                                 "[anzeige]\r\nseriellercom-port=0x5\r\nZeilen=4\r\nStellen=40\r\n")
                          << 340 << 184 << 2;
    // Offline no frames go out: the buffer keeps room for a whole upload.
    QTest::newRow("offline 3x24") << QByteArray("[Anzeige]\r\nSeriellerCOM-Port=5\r\noffline=1\r\n")
                                  << 63000 << 84 << 1;
}

void StartupTest::storedPortOpensWithoutQuestions() {
    QFETCH(QByteArray, ini);
    QFETCH(int, bufferSize);
    QFETCH(int, frameTime);
    QFETCH(int, flowStepMinimum);
    ProgramRig rig;
    rig.writeIni(ini);
    rig.port.setAvailablePorts({5});
    rig.start();
    QVERIFY2(rig.prompter.finished(), rig.prompter.report());
    QCOMPARE(rig.port.openedPort(), 5);
    QCOMPARE(rig.port.outputBufferSize(), bufferSize);
    QCOMPARE(rig.main().shell().frameTime, frameTime);
    QCOMPARE(rig.main().form().editorPanel->flowStep()->minimum(), flowStepMinimum);
    QCOMPARE(rig.main().form().editorPanel->flowStep()->value(), 5);
}

void StartupTest::displayTooLargeForTheBuffer_data() {
    QTest::addColumn<QByteArray>("language");
    QTest::addColumn<QString>("message");
    QTest::newRow("German") << QByteArray("D") << QStringLiteral("Anzeige hat zu viele Zeichen.");
    QTest::newRow("English") << QByteArray("GB")
                             << QStringLiteral("The display has too many characters.");
}

void StartupTest::displayTooLargeForTheBuffer() {
    QFETCH(QByteArray, language);
    QFETCH(QString, message);
    ProgramRig rig;
    rig.writeIni("[Anzeige]\nSeriellerCOM-Port=2\nZeilen=150\nStellen=210\n[Programm]\nSprache=" +
                 language + "\n");
    rig.port.setAvailablePorts({2});
    rig.prompter.expect(Kind::Information, message);
    rig.start();
    QVERIFY2(rig.prompter.finished(), rig.prompter.report());
    QCOMPARE(rig.port.outputBufferSize(), 63000);
    QCOMPARE(rig.main().output().lineCount(), 150);
    QCOMPARE(rig.windows->supervision().lineFieldCount(), 150);
    // Frames still go out whole: the send waits until one fits the buffer.
    rig.main().sendDisplayImage();
    QCOMPARE(rig.port.written(), blankFrame(150, 210));
}

void StartupTest::displayLimits_data() {
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("lineCount");
    QTest::addColumn<int>("columnCount");
    QTest::addColumn<bool>("flowTabVisible");
    QTest::addColumn<bool>("flowLineVisible");
    QTest::addColumn<int>("changeTimeMinimum");
    QTest::newRow("10x100") << 10 << 100 << 10 << 100 << false << true << 1;
    QTest::newRow("one line") << 1 << 24 << 1 << 24 << true << false << 1;
    // Values the system cannot drive are brought into range; the program still starts.
    QTest::newRow("no lines") << 0 << 24 << 1 << 24 << true << false << 1;
    QTest::newRow("more lines than fields") << 400 << 10 << 151 << 10 << false << true << 2;
    QTest::newRow("frame above the buffer") << 2 << 40000 << 2 << 31499 << false << true << 72;
}

void StartupTest::displayLimits() {
    QFETCH(int, lines);
    QFETCH(int, columns);
    QFETCH(int, lineCount);
    QFETCH(int, columnCount);
    QFETCH(bool, flowTabVisible);
    QFETCH(bool, flowLineVisible);
    QFETCH(int, changeTimeMinimum);
    ProgramRig rig;
    rig.writeIni(QStringLiteral("[Anzeige]\nSeriellerCOM-Port=1\nZeilen=%1\nStellen=%2\n")
                     .arg(lines)
                     .arg(columns)
                     .toLatin1());
    rig.port.setAvailablePorts({1});
    if (lineCount * columnCount > 31489)
        rig.prompter.expect(Kind::Information, QStringLiteral("Anzeige hat zu viele Zeichen."));
    rig.start();
    QVERIFY2(rig.prompter.finished(), rig.prompter.report());
    EntryEditorPanel& panel = *rig.main().form().editorPanel;
    QCOMPARE(rig.main().output().lineCount(), lineCount);
    QCOMPARE(rig.main().output().columnCount(), columnCount);
    QCOMPARE(panel.kindTabs()->isTabVisible(panel.kindTabs()->indexOf(panel.flowPage())),
             flowTabVisible);
    QCOMPARE(!panel.flowLine()->isHidden(), flowLineVisible);
    QCOMPARE(!panel.flowLineLabel()->isHidden(), flowLineVisible);
    QCOMPARE(panel.flowLine()->maximum(), lineCount);
    QCOMPARE(panel.pageTime()->minimum(), changeTimeMinimum);
    QCOMPARE(panel.lineTime()->minimum(), changeTimeMinimum);
    QCOMPARE(panel.pageTime()->value(), qMax(3, changeTimeMinimum));
    // The editors' lines and the line fields follow the display's size.
    QCOMPARE(panel.blockEditor()->lineWrapColumnOrWidth(), columnCount);
    QCOMPARE(panel.scrollEditor()->lineWrapColumnOrWidth(), columnCount);
    QCOMPARE(panel.previewLines().size(), lineCount);
    QCOMPARE(panel.flowLineFields().size(), lineCount - 1);
    for (QLineEdit* field : panel.flowLineFields())
        QCOMPARE(field->maxLength(), columnCount);
}

void StartupTest::offlineMode_data() {
    QTest::addColumn<QByteArray>("keys");
    QTest::addColumn<bool>("offline");
    QTest::addColumn<int>("baud");
    QTest::newRow("offline at 9600") << QByteArray("offline=1\nofflinerate=9600\n") << true << 9600;
    QTest::newRow("offline default") << QByteArray("offline=1\n") << true << 57600;
    QTest::newRow("live ignores 57600")
        << QByteArray("offline=0\nofflinerate=57600\n") << false << 19200;
    QTest::newRow("live at 9600") << QByteArray("offlinerate=9600\n") << false << 9600;
}

void StartupTest::offlineMode() {
    QFETCH(QByteArray, keys);
    QFETCH(bool, offline);
    QFETCH(int, baud);
    ProgramRig rig;
    rig.writeIni("[Anzeige]\nSeriellerCOM-Port=1\n" + keys);
    rig.port.setAvailablePorts({1});
    rig.start();
    QCOMPARE(rig.port.baudRate(), baud);
    QCOMPARE(rig.port.deviceBaudRate(), baud);
    MainWindowForm& form = rig.main().form();
    MainWindow& window = rig.main();
    QCOMPARE(window.findChild<QToolButton*>("Play")->isHidden(), offline);
    QCOMPARE(window.findChild<QWidget*>("Panel6")->isHidden(), offline);
    QCOMPARE(form.supervisionButton->isHidden(), offline);
    QCOMPARE(form.editorPanel->durationLabel()->isHidden(), offline);
    QCOMPARE(window.findChild<QAction*>("automatischabspielen1")->isVisible(), !offline);
    QCOMPARE(form.helpAction->shortcut().isEmpty(), offline);
    QCOMPARE(form.choosePortAction->isVisible(), true);
    QCOMPARE(window.findChild<QAction*>("StartPause")->isVisible(), true);
    QCOMPARE(form.uploadStrip->isHidden(), !offline);
    QCOMPARE(rig.main().shell().blankLine, offline ? QByteArray(24, ' ') : QByteArray());
    rig.clock.advance(100);
    QCOMPARE(rig.windows->supervision().isVisible(), !offline);
}

void StartupTest::unreachableWindowsComeBack() {
    ProgramRig rig;
    rig.writeIni("[Anzeige]\nSeriellerCOM-Port=1\n[Programm]\nFensterPositionX=975\n"
                 "FensterPositionY=718\nFensterBreite=900\nFensterHoehe=300\n"
                 "[AnzeigeKontrolle]\nFensterPositionX=974\nFensterPositionY=719\n");
    rig.port.setAvailablePorts({1});
    rig.start();
    QCOMPARE(rig.main().pos(), QPoint(20, 718)); // 975 > 1024 - 50; 718 is not > 718
    QCOMPARE(rig.main().width(), 900);
    QCOMPARE(rig.main().height(), 421); // the window's minimum height holds
    QCOMPARE(rig.windows->supervision().pos(), QPoint(974, 20));
}

void StartupTest::portQuestionAnsweredNoOpensOnDemandLater() {
    ProgramRig rig;
    rig.port.setAvailablePorts({1});
    rig.offeredPorts = {QStringLiteral("COM1")};
    rig.prompter.expect(Kind::YesNo, QStringLiteral("Momentan: COM0"), Answer::No);
    rig.start();
    QVERIFY2(rig.prompter.finished(), rig.prompter.report());
    QVERIFY(!rig.port.isOpen());
    // The first frame opens the port on demand, which asks for a port.
    rig.prompter.expectPort({QStringLiteral("COM1")}, 1);
    rig.main().sendDisplayImage();
    QVERIFY2(rig.prompter.finished(), rig.prompter.report());
    QCOMPARE(rig.port.written(), blankFrame(3, 24));
}

// Where the operator's command asks for the port, the remote's is refused with the reason,
// and nothing reaches the board until a port is chosen.
void StartupTest::remoteCommandNeverAsksForAPort() {
    ProgramRig rig;
    rig.port.setAvailablePorts({1});
    rig.offeredPorts = {QStringLiteral("COM1")};
    rig.prompter.expect(Kind::YesNo, QStringLiteral("Momentan: COM0"), Answer::No);
    rig.start();
    PlaybackCommands& commands = rig.main().playbackCommands();
    const CommandOrigin remote = CommandOrigin::remote(QStringLiteral("udp 127.0.0.1:9000"));
    for (PlaybackCommand command : {PlaybackCommand::Stop, PlaybackCommand::Play}) {
        const CommandResult result = commands.run(PlaybackRequest::of(command, remote));
        QCOMPARE(result.status, CommandResult::Status::Refused);
        QCOMPARE(result.reason, PortCommand::noPortStatus());
    }
    rig.clock.advance(1000);
    QVERIFY2(rig.prompter.finished(), rig.prompter.report());
    QCOMPARE(rig.main().form().statusLine->currentMessage(), PortCommand::noPortStatus());
    QVERIFY(rig.port.written().isEmpty());

    rig.prompter.expectPort({QStringLiteral("COM1")}, 1);
    QVERIFY(commands.run(PlaybackRequest::of(PlaybackCommand::Stop, CommandOrigin::key())).done());
    QVERIFY2(rig.prompter.finished(), rig.prompter.report());
    QCOMPARE(rig.port.written(), blankFrame(3, 24));
}

void StartupTest::closeWithoutAPortNeverAsksForOne_data() {
    QTest::addColumn<bool>("interactive");
    QTest::newRow("closed by the operator") << true;
    QTest::newRow("SIGTERM or the session's end") << false;
}

// Stop's blank on the way out would open the port on demand, and that asks for a port: the
// close would wait in the port dialog for as long as nobody answers it.
void StartupTest::closeWithoutAPortNeverAsksForOne() {
    QFETCH(bool, interactive);
    ProgramRig rig;
    rig.port.setAvailablePorts({1});
    rig.offeredPorts = {QStringLiteral("COM1")};
    rig.prompter.expect(Kind::YesNo, QStringLiteral("Momentan: COM0"), Answer::No);
    rig.start();
    QSignalSpy closedSpy(&rig.main(), &MainWindow::closed);
    rig.main().requestClose(interactive);
    rig.clock.advance(500);
    QVERIFY2(rig.prompter.finished(), rig.prompter.report());
    QCOMPARE(closedSpy.count(), 1);
    QVERIFY(rig.port.written().isEmpty());
    QVERIFY(rig.readIni().contains("Sprache=D"));
}

void StartupTest::givingUpKeepsTheProgramRunningWithoutAPort() {
    ProgramRig rig;
    rig.offeredPorts = {QStringLiteral("COM1")};
    rig.prompter.expect(Kind::YesNo, QStringLiteral("Momentan: COM0"), Answer::Yes)
        .expectPort({QStringLiteral("COM1")}, 0)
        .expect(Kind::YesNo, QStringLiteral("Noch ein Versuch? Momentan: COM0"), Answer::No);
    rig.windows = std::make_unique<ProgramWindows>(*rig.services);
    QSignalSpy closedSpy(&rig.main(), &MainWindow::closed);
    rig.clock.advance(200);
    QVERIFY2(rig.prompter.finished(), rig.prompter.report());
    QVERIFY(rig.main().startupDone());
    rig.clock.advance(5000);
    QCOMPARE(closedSpy.count(), 0);
    QCOMPARE(rig.main().form().statusLine->currentMessage(),
             QStringLiteral("Kein COM-Port gewählt: Abspielen > COM-Port wählt einen"));
    QVERIFY(!rig.port.isOpen());
    QVERIFY(!QFile::exists(rig.iniPath()));
    QVERIFY(rig.port.written().isEmpty());
}

void StartupTest::closeBlanksTheDisplayAndWritesTheSettings() {
    ProgramRig rig;
    rig.writeIni("; hand-made\r\n[Anzeige]\r\nSeriellerCOM-Port=1\r\nZeilen=2\r\nStellen=5\r\n");
    rig.port.setAvailablePorts({1});
    rig.start();
    QSignalSpy closedSpy(&rig.main(), &MainWindow::closed);
    rig.main().output().image().setLine(0, "HALLO");
    rig.main().sendDisplayImage();
    rig.port.clearWritten();
    rig.main().move(40, 50);

    rig.main().close();
    QCOMPARE(rig.port.written(), blankFrame(2, 5));
    const QByteArray ini = rig.readIni();
    QVERIFY(ini.startsWith("; hand-made\r\n[Anzeige]\r\nSeriellerCOM-Port=1\r\nZeilen=2\r\n"));
    QVERIFY(ini.contains("[Programm]\r\n"));
    QVERIFY(ini.contains("FensterPositionX=40\r\nFensterPositionY=50\r\n"));
    QVERIFY(ini.contains("Sprache=D\r\n"));
    QVERIFY(ini.contains("Verfolgen=0\r\n"));
    QCOMPARE(closedSpy.count(), 0);
    rig.clock.advance(500);
    QCOMPARE(closedSpy.count(), 1);
}

void StartupTest::closeBeforeTheStartUpKeepsTheSettings() {
    ProgramRig rig;
    const QByteArray ini("[Programm]\nFensterPositionX=300\n");
    rig.writeIni(ini);
    rig.windows = std::make_unique<ProgramWindows>(*rig.services);
    QSignalSpy closedSpy(&rig.main(), &MainWindow::closed);
    rig.main().requestClose(false);
    rig.clock.advance(500);
    QCOMPARE(closedSpy.count(), 1);
    QVERIFY(!rig.main().startupDone());
    QCOMPARE(rig.readIni(), ini);
    QVERIFY2(rig.prompter.finished(), rig.prompter.report());
}

void StartupTest::supervisionShownAfterStartUp() {
    ProgramRig rig;
    rig.writeIni("[Anzeige]\nSeriellerCOM-Port=1\n");
    rig.port.setAvailablePorts({1});
    rig.start();
    SupervisionWindow& supervision = rig.windows->supervision();
    QCOMPARE(supervision.lineFieldCount(), 3);
    QVERIFY(!supervision.isVisible());
    rig.clock.advance(99);
    QVERIFY(!supervision.isVisible());
    rig.clock.advance(1);
    QVERIFY(supervision.isVisible());
    QVERIFY(!supervision.showTimer().isEnabled());

    rig.main().output().image().setLine(1, "AB\tC");
    rig.main().sendDisplayImage();
    QCOMPARE(supervision.lineField(1)->text(), QStringLiteral("AB\tC"));
    supervision.close();
    rig.main().form().supervisionButton->click();
    QVERIFY(supervision.isVisible());
}

void StartupTest::variantCaptions_data() {
    QTest::addColumn<QString>("executable");
    QTest::addColumn<QString>("iniName");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("aboutTitle");
    QTest::newRow("stage") << QStringLiteral("RPW") << QStringLiteral("RPW.ini")
                           << QStringLiteral("RPW V1.54 - ")
                           << QStringLiteral("Korvel Rampenwort RPW V1.54 ");
    QTest::newRow("lower case") << QStringLiteral("rpw.exe") << QStringLiteral("rpw.ini")
                                << QStringLiteral("LTF V1.54 - ")
                                << QStringLiteral("Korvel Lumentafel LTF V1.54 ");
    QTest::newRow("general") << QStringLiteral("lumentafel") << QStringLiteral("lumentafel.ini")
                             << QStringLiteral("LTF V1.54 - ")
                             << QStringLiteral("Korvel Lumentafel LTF V1.54 ");
}

void StartupTest::variantCaptions() {
    QFETCH(QString, executable);
    QFETCH(QString, iniName);
    QFETCH(QString, prefix);
    QFETCH(QString, aboutTitle);
    ProgramRig rig(executable);
    rig.writeIni("[Anzeige]\nSeriellerCOM-Port=1\n", iniName);
    rig.port.setAvailablePorts({1});
    rig.start();
    QVERIFY2(rig.prompter.finished(), rig.prompter.report());
    QCOMPARE(rig.main().shell().captionPrefix, prefix);
    QCOMPARE(rig.main().shell().settingsFilePath, rig.iniPath(iniName));
    QCOMPARE(rig.windows->about().windowTitle(), aboutTitle.left(18) + prefix + "Info");
    QCOMPARE(rig.windows->about().titleLabel()->text(), aboutTitle);
}

namespace {

const QByteArray ShowFile = "\tText Nr.\tAktiv\tB/S/F\tText\tParameter\tDauer\tHinweis\t\r\n"
                            "\t00010\tJA\tBLOCK\tA\t3\tV10\t\t\r\n"
                            "\t00020\tJA\tBLOCK\tB\t3\tV10\t\t\r\n";

// Starts the program with a port and "show.lta" (ShowFile) as the last sequence; its path.
QString startWithShow(ProgramRig& rig) {
    const QString path = rig.dir.filePath(QStringLiteral("show.lta"));
    QFile show(path);
    if (show.open(QIODevice::WriteOnly))
        show.write(ShowFile);
    show.close();
    rig.writeIni("[Anzeige]\nSeriellerCOM-Port=1\n[Programm]\nLetzteDatei=" + path.toUtf8() + "\n");
    rig.port.setAvailablePorts({1});
    rig.start();
    return path;
}

} // namespace

void StartupTest::sequenceOpenedAtStartUp_data() {
    QTest::addColumn<QString>("lastFile");
    QTest::addColumn<QString>("namedFile");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("rowCount");
    QTest::newRow("last file") << QStringLiteral("show.lta") << QString() << QString()
                               << QStringLiteral("RPW V1.54 - show.lta") << 3;
    QTest::newRow("last file gone") << QStringLiteral("gone.lta") << QString() << QString()
                                    << QStringLiteral("RPW V1.54 - Unbenannt.lta") << 2;
    QTest::newRow("named on the command line")
        << QStringLiteral("gone.lta") << QStringLiteral("show.lta") << QString()
        << QStringLiteral("RPW V1.54 - show.lta") << 3;
    // A file that cannot be read is reported; the start-up goes on with a new sequence.
    QTest::newRow("named file cannot be read")
        << QStringLiteral("show.lta") << QStringLiteral("folder.lta")
        << QStringLiteral("kann nicht geöffnet werden")
        << QStringLiteral("RPW V1.54 - Unbenannt.lta") << 2;
    // Row 1 does not load into the editor: one error box, and the sequence stays open.
    QTest::newRow("a cell that does not convert")
        << QStringLiteral("bad.lta") << QString()
        << QStringLiteral("Text 00010, Spalte Parameter: 'x' ist kein gültiger Integerwert")
        << QStringLiteral("RPW V1.54 - bad.lta") << 2;
}

void StartupTest::sequenceOpenedAtStartUp() {
    QFETCH(QString, lastFile);
    QFETCH(QString, namedFile);
    QFETCH(QString, error);
    QFETCH(QString, caption);
    QFETCH(int, rowCount);
    ProgramRig rig;
    QFile show(rig.dir.filePath(QStringLiteral("show.lta")));
    QVERIFY(show.open(QIODevice::WriteOnly));
    show.write(ShowFile);
    show.close();
    QFile bad(rig.dir.filePath(QStringLiteral("bad.lta")));
    QVERIFY(bad.open(QIODevice::WriteOnly));
    bad.write(ShowFile.left(ShowFile.indexOf('\n') + 1) + "\t00010\tJA\tBLOCK\tA\tx\tV10\t\t\r\n");
    bad.close();
    QVERIFY(QDir(rig.dir.path()).mkdir(QStringLiteral("folder.lta")));
    rig.writeIni("[Anzeige]\nSeriellerCOM-Port=1\n[Programm]\nLetzteDatei=" +
                 rig.dir.filePath(lastFile).toUtf8() + "\n");
    if (!namedFile.isEmpty())
        rig.services->sequenceFile = rig.dir.filePath(namedFile);
    rig.port.setAvailablePorts({1});
    if (!error.isEmpty())
        rig.prompter.expect(Kind::Error, error);
    rig.start();
    QVERIFY2(rig.prompter.finished(), rig.prompter.report());
    QCOMPARE(rig.main().windowTitle(), caption);
    QCOMPARE(rig.main().table().gridRowCount(), rowCount);
    QVERIFY(!rig.main().sequence().document().isModified());
    // The steps after the sequence still ran.
    QVERIFY(rig.windows->supervision().showTimer().isEnabled());
    QVERIFY(rig.windows->about().windowTitle().contains(QStringLiteral("RPW V1.54")));
}

void StartupTest::closeAsksToSaveAModifiedSequence_data() {
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<bool>("saved");
    QTest::newRow("Yes") << Answer::Yes << true << true;
    QTest::newRow("No") << Answer::No << true << false;
    QTest::newRow("Cancel") << Answer::Cancel << false << false;
}

void StartupTest::closeAsksToSaveAModifiedSequence() {
    QFETCH(Answer, answer);
    QFETCH(bool, closes);
    QFETCH(bool, saved);
    ProgramRig rig;
    const QString path = startWithShow(rig);
    QFile show(path);
    QSignalSpy closedSpy(&rig.main(), &MainWindow::closed);

    rig.prompter.expect(Kind::WarningYesNo, QStringLiteral("Soll der aktuell ausgewählte Text"),
                        Answer::Yes);
    rig.main().sequence().commandBar().deleteTextsButton()->click();
    QVERIFY(rig.main().sequence().document().isModified());
    rig.prompter.expect(Kind::YesNoCancel,
                        QStringLiteral("Möchten Die die Änderungen in %1 speichern?")
                            .arg(QDir::toNativeSeparators(path)),
                        answer);
    rig.main().close();
    QVERIFY2(rig.prompter.finished(), rig.prompter.report());
    rig.clock.advance(500);
    QCOMPARE(closedSpy.count(), closes ? 1 : 0);
    QVERIFY(show.open(QIODevice::ReadOnly));
    QCOMPARE(show.readAll() == ShowFile, !saved);
    QCOMPARE(rig.readIni().contains("Sprache="), closes); // the settings are written on closing
}

void StartupTest::editingCommandsRestWhilePlaying() {
    ProgramRig rig;
    startWithShow(rig);
    MainWindowForm& f = rig.main().form();
    const TableCommandBar& bar = rig.main().sequence().commandBar();
    MarkListWindow& marks = rig.windows->markList();
    const QList<QObject*> editing{f.newAction,
                                  f.openAction,
                                  bar.deleteTextsAction(),
                                  bar.exchangeTextsAction(),
                                  bar.newTextButton(),
                                  bar.proposeNumberButton(),
                                  bar.deleteTextsButton(),
                                  bar.renumberButton(),
                                  bar.exchangeTextsButton(),
                                  marks.deleteButton(),
                                  marks.exchangeButton()};
    const QList<QObject*> available{f.saveAction, f.saveAsAction, bar.markListAction(),
                                    marks.numberList(), marks.closeButton()};
    const auto enabled = [](QObject* o) {
        if (auto* a = qobject_cast<QAction*>(o))
            return a->isEnabled();
        return static_cast<QWidget*>(o)->isEnabled();
    };
    for (QObject* o : editing + available)
        QVERIFY2(enabled(o), qPrintable(o->objectName()));
    rig.main().findChild<QToolButton*>("Play")->click();
    for (QObject* o : editing)
        QVERIFY2(!enabled(o), qPrintable(o->objectName()));
    for (QObject* o : available)
        QVERIFY2(enabled(o), qPrintable(o->objectName()));
    rig.main().findChild<QToolButton*>("Stop")->click();
    for (QObject* o : editing)
        QVERIFY2(enabled(o), qPrintable(o->objectName()));
}

void StartupTest::editorFollowsTheSelection_data() {
    QTest::addColumn<QByteArray>("duration");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<bool>("pending");

    QTest::newRow("entry loads") << QByteArray("M75") << QStringList() << false;
    // The general error box; the number is loaded already and the entry stays pending.
    QTest::newRow("cell that does not convert")
        << QByteArray("V7x")
        << QStringList{"Text 00020, Spalte Dauer: '7x' ist kein gültiger Integerwert"} << true;
}

void StartupTest::editorFollowsTheSelection() {
    QFETCH(QByteArray, duration);
    QFETCH(QStringList, boxes);
    QFETCH(bool, pending);
    ProgramRig rig;
    rig.writeIni("[Anzeige]\nSeriellerCOM-Port=1\n");
    rig.port.setAvailablePorts({1});
    rig.start();
    SequenceTable& table = rig.main().table();
    const int row = table.appendRow();
    table.setRowCells(row, {"", "00020", "JA", "BLOCK", "A", "3", duration, ""});
    rig.main().editor().setEntryModified(true);
    for (const QString& box : boxes)
        rig.prompter.expect(Kind::Error, box);

    rig.main().selection().select(row);
    QVERIFY2(rig.prompter.finished(), rig.prompter.report());
    QCOMPARE(rig.main().form().editorPanel->numberField()->text(), QStringLiteral("00020"));
    QCOMPARE(rig.main().editor().isEntryModified(), pending);
}

void StartupTest::closeOffersThePendingEntry_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<QByteArray>("number");

    QTest::newRow("yes commits") << int(Answer::Yes) << QByteArray("00010");
    QTest::newRow("no leaves the table") << int(Answer::No) << QByteArray();
}

void StartupTest::closeOffersThePendingEntry() {
    QFETCH(int, answer);
    QFETCH(QByteArray, number);
    ProgramRig rig;
    rig.writeIni("[Anzeige]\nSeriellerCOM-Port=1\n");
    rig.port.setAvailablePorts({1});
    rig.start();
    rig.main().editor().setEntryModified(true);
    rig.prompter.expect(Kind::YesNo, QStringLiteral("Änderungen in Tabelle übernehmen?"),
                        Answer(answer));
    // The commit modifies the sequence: the close then asks to save it.
    if (Answer(answer) == Answer::Yes)
        rig.prompter.expect(Kind::YesNoCancel, QStringLiteral("Änderungen in"), Answer::No);
    rig.main().close();
    QVERIFY2(rig.prompter.finished(), rig.prompter.report());
    QCOMPARE(rig.main().table().cell(SequenceTable::NumberColumn, 1), number);
    QVERIFY(!rig.main().editor().isEntryModified());
}

// Every button of the main window lies inside the window and inside each of its parents at the
// default size, and shows its whole caption; the kind column shows its
// longest code whole.
void StartupTest::everyControlFitsTheDefaultWindow_data() {
    QTest::addColumn<bool>("offline");
    QTest::newRow("live") << false;
    QTest::newRow("offline") << true;
}

void StartupTest::everyControlFitsTheDefaultWindow() {
    QFETCH(bool, offline);
    ProgramRig rig;
    rig.writeIni(offline ? "[Anzeige]\nSeriellerCOM-Port=1\noffline=1\n"
                         : "[Anzeige]\nSeriellerCOM-Port=1\n");
    rig.port.setAvailablePorts({1});
    rig.start();
    MainWindow& window = rig.main();
    window.show();
    window.resize(775, 510);
    QCoreApplication::sendPostedEvents();
    QCOMPARE(window.size(), QSize(775, 510));
    const QList<QAbstractButton*> buttons = window.findChildren<QAbstractButton*>();
    QVERIFY(!buttons.isEmpty());
    for (QAbstractButton* button : buttons) {
        if (!button->isVisibleTo(&window) || button->inherits("QTableCornerButton"))
            continue;
        const QString name = button->objectName() + QLatin1Char(' ') + button->text();
        for (QWidget* parent = button->parentWidget(); parent; parent = parent->parentWidget()) {
            const QRect inParent(button->mapTo(parent, QPoint(0, 0)), button->size());
            QVERIFY2(parent->rect().contains(inParent),
                     qPrintable(name + QStringLiteral(" sticks out of ") + parent->objectName()));
            if (parent == &window)
                break;
        }
        // Readable: the whole caption fits (mnemonic markers take no room).
        const QString caption = button->text().remove(QLatin1Char('&'));
        QVERIFY2(button->fontMetrics().horizontalAdvance(caption) + 4 <= button->width(),
                 qPrintable(name));
    }
    // The preview shows whole lines while it plays the edited text: each as wide as the
    // board's columns and one more letter H, wholly inside its area, which needs no scroll bar.
    EntryEditorPanel& panel = *window.form().editorPanel;
    panel.simulationBox()->click();
    QCoreApplication::sendPostedEvents();
    const QList<QLineEdit*>& lines = panel.previewLines();
    QCOMPARE(lines.size(), 3);
    auto* area = panel.preview()->findChild<QScrollArea*>();
    QVERIFY(!area->horizontalScrollBar()->isVisible());
    QVERIFY(!area->verticalScrollBar()->isVisible());
    for (QLineEdit* line : lines) {
        QCOMPARE(line->width(),
                 line->fontMetrics().horizontalAdvance(QString(25, QLatin1Char('H'))));
        const QRect inView(line->mapTo(area->viewport(), QPoint(0, 0)), line->size());
        QVERIFY2(area->viewport()->rect().contains(inView), qPrintable(line->objectName()));
    }
    // The fields beside it keep only the width they need.
    for (QSpinBox* field : window.findChildren<QSpinBox*>()) {
        if (field->isVisible())
            QVERIFY2(field->width() <= field->sizeHint().width(), qPrintable(field->objectName()));
    }
    panel.simulationBox()->click();

    rig.main().table().setRows(
        {SequenceRows::cells(
             {QStringLiteral("00010"), QStringLiteral("NEIN"), QStringLiteral("SCROLL")}),
         SequenceRows::cells(
             {QStringLiteral("00020"), QStringLiteral("YES"), QStringLiteral("FLIESS")})});
    // A cell's text is laid out between the style's focus margins and the grid line; two pixels
    // to spare keep a font's rounding from eliding it.
    auto* table = window.findChild<QTableView*>();
    const int margins =
        2 * (table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table) + 1) + 3;
    for (int column :
         {SequenceTable::NumberColumn, SequenceTable::ActiveColumn, SequenceTable::KindColumn}) {
        for (int row = 0; row < 2; ++row) {
            const QString text = table->model()->index(row, column).data().toString();
            QVERIFY2(table->fontMetrics().horizontalAdvance(text) + margins <=
                         table->columnWidth(column),
                     qPrintable(text));
        }
    }
}

void StartupTest::timeFieldsShowTheirUnit_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("english");
    QTest::addColumn<QString>("unit");
    for (const char* field : {"Seitenwechselzeit", "Zeilenwechselzeit", "Fliesstakt"}) {
        QTest::addRow("%s German", field) << field << false << "Sek.";
        QTest::addRow("%s English", field) << field << true << "Sec.";
    }
}

// The unit follows its field on the same row of the field's page.
void StartupTest::timeFieldsShowTheirUnit() {
    QFETCH(QString, field);
    QFETCH(bool, english);
    QFETCH(QString, unit);
    ProgramRig rig;
    rig.writeIni("[Anzeige]\nSeriellerCOM-Port=1\n");
    rig.port.setAvailablePorts({1});
    rig.start();
    MainWindow& window = rig.main();
    if (english)
        window.chooseLanguage(QStringLiteral("GB"));
    window.show();
    auto* time = window.findChild<QSpinBox*>(field);
    window.form().editorPanel->kindTabs()->setCurrentWidget(time->parentWidget());
    QCoreApplication::sendPostedEvents();
    auto* label = time->parentWidget()->findChild<QLabel*>(field + QStringLiteral("Einheit"));
    QVERIFY(label && label->isVisible());
    QCOMPARE(label->text(), unit);
    QVERIFY(label->x() > time->geometry().right());
    QVERIFY(qAbs(label->geometry().center().y() - time->geometry().center().y()) < 4);
}

// "&Info" is an item of the bar: one press shows the about window. The splitter's hint sits on
// its handle, not over the editor and the table the splitter holds.
void StartupTest::infoItemAndSplitterHint() {
    ProgramRig rig;
    rig.writeIni("[Anzeige]\nSeriellerCOM-Port=1\n");
    rig.port.setAvailablePorts({1});
    rig.start();
    QAction* info = rig.main().form().aboutAction;
    QVERIFY(rig.main().menuBar()->actions().contains(info));
    QVERIFY(!info->menu());
    info->trigger();
    QVERIFY(rig.windows->about().isVisible());
    QSplitter* splitter = rig.main().form().editorSplitter;
    QCOMPARE(splitter->handle(1)->toolTip(), QStringLiteral("Größe Eingabebereich ändern"));
    QVERIFY(splitter->toolTip().isEmpty());
}

void StartupTest::unreadableSettingsAreReportedOnce_data() {
    QTest::addColumn<bool>("folder");
    QTest::newRow("a folder of that name") << true;
    QTest::newRow("no permission to read") << false;
}

void StartupTest::unreadableSettingsAreReportedOnce() {
    QFETCH(bool, folder);
    ProgramRig rig;
    if (folder) {
        QVERIFY(QDir(rig.dir.path()).mkdir(QStringLiteral("RPW.ini")));
    } else {
        rig.writeIni("[Anzeige]\r\nSeriellerCOM-Port=1\r\n");
        QVERIFY(QFile::setPermissions(rig.iniPath(), QFile::WriteOwner));
        if (QFile(rig.iniPath()).open(QIODevice::ReadOnly))
            QSKIP("running with the rights to read anything");
    }
    rig.prompter.expect(Kind::YesNo, QStringLiteral("Momentan: COM0"), Answer::No);
    rig.start();
    QVERIFY2(rig.prompter.finished(), rig.prompter.report());
    const QString status = rig.main().form().statusLine->currentMessage();
    QVERIFY2(status.contains(QDir::toNativeSeparators(rig.iniPath())) &&
                 status.contains(QStringLiteral("kann nicht gelesen werden")),
             qPrintable(status));
    QCOMPARE(rig.main().output().lineCount(), 3);
}

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
