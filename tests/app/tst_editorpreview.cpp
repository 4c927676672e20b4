#include "recordingserialport.h"
#include "scriptedprompter.h"
#include "virtualclock.h"
#include "virtualeventpump.h"

#include "app/mainwindow.h"
#include "app/programservices.h"
#include "app/programwindows.h"
#include "display/displayoutput.h"
#include "display/supervisionwindow.h"
#include "editor/entryeditorpanel.h"
#include "platform/timer.h"
#include "playback/editorsimulation.h"
#include "playback/entryanimation.h"
#include "playback/playbackcontroller.h"
#include "programfolder.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

using Answer = Prompter::Answer;
using Kind = ScriptedPrompter::Kind;

namespace {

// The whole program on doubles, started on a board of 2 lines of 10 characters.
struct ProgramRig {
    QTemporaryDir dir;
    VirtualClock clock;
    VirtualEventPump pump{clock};
    ScriptedPrompter prompter;
    RecordingSerialPort port;
    std::unique_ptr<ProgramServices> services;
    std::unique_ptr<ProgramWindows> windows;

    ProgramRig() {
        services = servicesInFolder(dir.path(), QStringLiteral("RPW"), clock, pump, prompter, port);
        QFile f(dir.filePath(QStringLiteral("RPW.ini")));
        if (f.open(QIODevice::WriteOnly))
            f.write("[Anzeige]\nSeriellerCOM-Port=1\nZeilen=2\nStellen=10\n");
        f.close();
        port.setAvailablePorts({1});
        windows = std::make_unique<ProgramWindows>(*services);
        clock.advance(200);
    }
    MainWindow& main() { return windows->main(); }
    EntryEditorPanel& panel() { return *main().form().editorPanel; }
    QStringList preview() {
        QStringList texts;
        for (const QLineEdit* line : panel().previewLines())
            texts << line->text();
        return texts;
    }
    QStringList supervision() {
        QStringList texts;
        for (int i = 0; i < windows->supervision().lineFieldCount(); ++i)
            texts << windows->supervision().lineField(i)->text();
        return texts;
    }
    // The program's own change of the kind, which converts and asks nothing.
    void showPage(QWidget* page) { panel().showKind(panel().kindOf(page)); }
};

} // namespace

class EditorPreviewTest : public QObject {
    Q_OBJECT

private slots:
    void simulationTouchesOnlyThePreview();
    void portCommandStopsItWhileTheBoxStaysTicked();
};

void EditorPreviewTest::simulationTouchesOnlyThePreview() {
    ProgramRig rig;
    EntryEditorPanel& panel = rig.panel();
    panel.blockEditor()->setPlainText(QStringLiteral("EINS\nZWEI\nDREI"));
    panel.pageTime()->setValue(1);
    const QList<QByteArray> written = rig.port.writes();
    const QStringList supervised = rig.supervision();
    const QByteArray image = rig.main().output().image().line(0);

    panel.simulationBox()->click();
    rig.clock.advance(100);
    QCOMPARE(rig.preview(), (QStringList{"EINS", "ZWEI"}));
    // Typed while it runs: the next page comes from the text as it stands.
    panel.blockEditor()->setPlainText(QStringLiteral("EINS\nZWEI\nDREI\nVIER"));
    rig.clock.advance(1000);
    QCOMPARE(rig.preview(), (QStringList{"DREI", "VIER"}));

    // Another tab while it runs, at the operator's speed: the scroll text at its time.
    rig.main().playback().setSpeedFactor(1500);
    panel.scrollEditor()->setPlainText(QStringLiteral("S"));
    panel.lineTime()->setValue(2);
    rig.showPage(panel.scrollPage());
    rig.clock.advance(1000);
    QCOMPARE(rig.preview(), (QStringList{"", "S"}));
    QCOMPARE(rig.main().editorSimulation().timer().interval(), 3000);

    // The board, its image, the supervision window and playback saw none of it.
    QCOMPARE(rig.port.writes(), written);
    QCOMPARE(rig.supervision(), supervised);
    QCOMPARE(rig.main().output().image().line(0), image);
    QVERIFY(!rig.main().playback().animation().timer().isEnabled());
}

void EditorPreviewTest::portCommandStopsItWhileTheBoxStaysTicked() {
    ProgramRig rig;
    EntryEditorPanel& panel = rig.panel();
    panel.blockEditor()->setPlainText(QStringLiteral("A\nB\nC"));
    panel.simulationBox()->click();
    rig.clock.advance(100);

    rig.prompter.expect(Kind::YesNo, QStringLiteral("COM-Port ändern? Momentan: COM1"), Answer::No);
    rig.main().choosePort();
    QVERIFY2(rig.prompter.finished(), rig.prompter.report());
    QVERIFY(panel.simulationBox()->isChecked());
    QVERIFY(rig.main().editorSimulation().isRunning());
    rig.clock.advance(10000);
    QCOMPARE(rig.preview(), (QStringList{"A", "B"}));
}

QTEST_MAIN(EditorPreviewTest)
#include "tst_editorpreview.moc"
