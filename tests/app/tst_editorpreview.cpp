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
#include <QPlainTextEdit>
#include <QSignalBlocker>
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
    void showPage(QWidget* page) {
        const QSignalBlocker quiet(panel().kindTabs());
        panel().kindTabs()->setCurrentWidget(page);
    }
};

} // namespace

class EditorPreviewTest : public QObject {
    Q_OBJECT

private slots:
    void linesAsBuilt();
    void simulationTouchesOnlyThePreview();
    void portCommandStopsItWhileTheBoxStaysTicked();
};

void EditorPreviewTest::linesAsBuilt() {
    ProgramRig rig;
    const QList<QLineEdit*>& lines = rig.panel().previewLines();
    QCOMPARE(lines.size(), 2);
    for (const QLineEdit* line : lines) {
        QVERIFY(line->isReadOnly());
        QCOMPARE(line->focusPolicy(), Qt::NoFocus);
        QCOMPARE(line->palette().color(QPalette::Base), QColor(0, 0, 128));
        QCOMPARE(line->palette().color(QPalette::Text), QColor(Qt::white));
        QCOMPARE(line->font().pixelSize(), 13);
        QCOMPARE(line->font().styleHint(), QFont::Monospace);
        // Room for one character more than a display line.
        QVERIFY(line->width() >= QFontMetrics(line->font()).horizontalAdvance(QString(11, 'H')));
    }
    QCOMPARE(rig.panel().simulationBox()->objectName(), QStringLiteral("CheckBox2"));
    QVERIFY(!rig.panel().simulationBox()->isChecked());
    QVERIFY(!rig.main().editorSimulation().isTicking());
}

void EditorPreviewTest::simulationTouchesOnlyThePreview() {
    ProgramRig rig;
    EntryEditorPanel& panel = rig.panel();
    panel.blockEditor()->setPlainText(QStringLiteral("EINS\nZWEI\nDREI"));
    panel.pageTime()->setValue(1);
    const QList<QByteArray> written = rig.port.writes();
    const QStringList supervised = rig.supervision();
    const QByteArray image = rig.main().output().image().line(0);

    panel.simulationBox()->click();
    rig.clock.advance(99);
    QCOMPARE(rig.preview(), (QStringList{"", ""}));
    rig.clock.advance(1);
    QCOMPARE(rig.preview(), (QStringList{"EINS", "ZWEI"}));
    rig.clock.advance(1000);
    QCOMPARE(rig.preview(), (QStringList{"DREI", ""}));

    // Typed while it runs: the next page comes from the text as it stands.
    panel.blockEditor()->setPlainText(QStringLiteral("EINS\nZWEI\nDREI\nVIER"));
    rig.clock.advance(1000);
    QCOMPARE(rig.preview(), (QStringList{"EINS", "ZWEI"}));
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
    rig.clock.advance(3000);
    QCOMPARE(rig.preview(), (QStringList{"S", ""}));

    // The flowing text with its fixed line.
    panel.flowEditor()->setPlainText(QStringLiteral("AB"));
    panel.flowStep()->setValue(1);
    panel.flowLine()->setValue(2);
    panel.flowLineFields().at(0)->setText(QStringLiteral("OBEN"));
    rig.showPage(panel.flowPage());
    rig.clock.advance(3000 + 150 + 150);
    QCOMPARE(rig.preview(), (QStringList{"OBEN", "         A"}));

    // The board, its image, the supervision window and playback saw none of it.
    QCOMPARE(rig.port.writes(), written);
    QCOMPARE(rig.supervision(), supervised);
    QCOMPARE(rig.main().output().image().line(0), image);
    QVERIFY(!rig.main().playback().animation().timer().isEnabled());
    QCOMPARE(rig.main().playback().animation().pageIndex(), 0);

    // Unticked: the last frame stays.
    panel.simulationBox()->click();
    rig.clock.advance(5000);
    QCOMPARE(rig.preview(), (QStringList{"OBEN", "         A"}));
}

void EditorPreviewTest::portCommandStopsItWhileTheBoxStaysTicked() {
    ProgramRig rig;
    EntryEditorPanel& panel = rig.panel();
    panel.blockEditor()->setPlainText(QStringLiteral("A\nB\nC"));
    panel.simulationBox()->click();
    rig.clock.advance(100);
    QCOMPARE(rig.preview(), (QStringList{"A", "B"}));

    rig.prompter.expect(Kind::YesNo, QStringLiteral("COM-Port ändern? Momentan: COM1"), Answer::No);
    rig.main().choosePort();
    QVERIFY2(rig.prompter.finished(), rig.prompter.report());
    QVERIFY(panel.simulationBox()->isChecked());
    QVERIFY(rig.main().editorSimulation().isRunning());
    rig.clock.advance(10000);
    QCOMPARE(rig.preview(), (QStringList{"A", "B"}));

    // Unticking and ticking again starts afresh from the first page.
    panel.simulationBox()->click();
    panel.simulationBox()->click();
    rig.clock.advance(3100);
    QCOMPARE(rig.preview(), (QStringList{"C", ""}));
}

QTEST_MAIN(EditorPreviewTest)
#include "tst_editorpreview.moc"
