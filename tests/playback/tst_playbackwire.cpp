#include "programonline.h"

#include "app/mainwindow.h"
#include "display/supervisionwindow.h"
#include "editor/entryeditorpanel.h"
#include "playback/playbackcontroller.h"
#include "sequence/rowselection.h"
#include "sequence/sequencetable.h"
#include "windows/helpwindow.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

// The program on the line, with the playback test's table and keys.
struct ProgramPlaying : ProgramOnLine {
    void setRows(const std::vector<SequenceTable::Cells>& rows) {
        main().table().setRows(rows);
        main().selection().select(1);
    }
    // The keys belong to the main window; the supervision window takes the focus when it
    // first shows.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        main().show();
        QApplication::setActiveWindow(&main());
        QTest::keyClick(&main(), key, modifiers);
    }
};

QByteArray frame(const char* line1, const char* line2) {
    return '\x02' + QByteArray(line1).leftJustified(4, ' ') +
           QByteArray(line2).leftJustified(4, ' ') + '\x03';
}

} // namespace

class PlaybackWireTest : public QObject {
    Q_OBJECT

private slots:
    void ctrlEnterPlaysTheSequenceOnTheLine();
    void startAndPauseThenSpaceTurnsPages();
    void nextFromTheHelpWindowReachesTheLineAtOnce();
    void commitOfTheEntryOnTheDisplay_data();
    void commitOfTheEntryOnTheDisplay();
};

// The operator presses Ctrl+Enter and the frames arrive at the far end in order, byte for
// byte; Esc blanks the display.
void PlaybackWireTest::ctrlEnterPlaysTheSequenceOnTheLine() {
    ProgramPlaying program;
    QVERIFY2(program.start(), program.pty ? program.pty->output().constData() : "");
    QVERIFY2(program.prompter.finished(), program.prompter.report());
    program.setRows({{"", "1", "JA", "B", "AB,CD,EF", "1", "M1", ""},
                     {"", "2", "JA", "S", "S1", "1", "M1", ""}});

    program.press(Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(program.main().playback().playbackMode(), PlaybackMode::Automatic);
    // Row 1: two pages a second apart; its run-out starts row 2, whose two scroll frames
    // follow 100 ms later; then the sequence wraps to row 1.
    program.clock.advance(100);
    program.clock.advance(1000);
    program.clock.advance(1000 + 100);
    program.clock.advance(1000);
    program.clock.advance(1000 + 100);
    const QByteArray expected =
        frame("AB", "CD") + frame("EF", "") + frame("", "S1") + frame("S1", "") + frame("AB", "CD");
    QCOMPARE(program.peer->readAtLeast(int(expected.size())), expected);

    // The supervision window, on top since it first showed, takes the keys as well.
    SupervisionWindow& supervision = program.windows->supervision();
    QVERIFY(supervision.isVisible());
    QApplication::setActiveWindow(&supervision);
    QTest::keyClick(&supervision, Qt::Key_Escape);
    QCOMPARE(program.main().playback().playbackMode(), PlaybackMode::Stopped);
    QCOMPARE(program.peer->readAtLeast(10), frame("", ""));
    QVERIFY2(program.prompter.finished(), program.prompter.report());
}

// Alt+Space makes the selected entry current and holds it before anything is drawn; each
// Space then shows the next page at once, and the one after the last page starts the next
// entry, whose first frame comes 100 ms later.
void PlaybackWireTest::startAndPauseThenSpaceTurnsPages() {
    ProgramPlaying program;
    QVERIFY2(program.start(), program.pty ? program.pty->output().constData() : "");
    program.setRows({{"", "1", "JA", "B", "AB,CD,EF", "5", "M1", ""},
                     {"", "2", "JA", "S", "S1", "5", "M1", ""}});

    program.press(Qt::Key_Space, Qt::AltModifier);
    QVERIFY(program.main().playback().isPaused());
    program.clock.advance(1000);
    program.press(Qt::Key_Space);
    program.press(Qt::Key_Space);
    program.press(Qt::Key_Space);
    QCOMPARE(program.main().playback().currentEntryRow(), 2);
    program.clock.advance(100);
    program.clock.advance(60000); // held: nothing more comes before Stop blanks the display
    program.press(Qt::Key_Escape);
    const QByteArray expected =
        frame("AB", "CD") + frame("EF", "") + frame("", "S1") + frame("", "");
    QCOMPARE(program.peer->readAtLeast(int(expected.size())), expected);
}

// F1 mid-show, then F8 in the help window: the next text is on the line 100 ms later, while
// the current text's four-second page still had three seconds to go.
void PlaybackWireTest::nextFromTheHelpWindowReachesTheLineAtOnce() {
    ProgramPlaying program;
    QVERIFY2(program.start(), program.pty ? program.pty->output().constData() : "");
    program.setRows({{"", "1", "JA", "B", "AB,CD,EF", "4", "M1", ""},
                     {"", "2", "JA", "S", "S1", "4", "M1", ""}});
    program.press(Qt::Key_M, Qt::AltModifier);
    program.press(Qt::Key_F5);
    program.clock.advance(100);
    program.clock.advance(1000);

    HelpWindow& help = program.windows->help();
    help.showInFront();
    QApplication::setActiveWindow(&help);
    QTest::keyClick(help.focusWidget() ? help.focusWidget() : &help, Qt::Key_F8);
    program.clock.advance(100);
    const QByteArray expected = frame("AB", "CD") + frame("", "S1");
    QCOMPARE(program.peer->readAtLeast(int(expected.size())), expected);
    QCOMPARE(program.main().playback().currentEntryRow(), 2);
}

// The entry on the display cannot be replaced while it is still timed.
void PlaybackWireTest::commitOfTheEntryOnTheDisplay_data() {
    QTest::addColumn<QList<Qt::Key>>("keys");
    QTest::addColumn<int>("after");
    QTest::addColumn<bool>("refused");
    const QList<Qt::Key> play{Qt::Key_Return};
    QTest::newRow("animating") << play << 500 << true;
    QTest::newRow("waiting for its preset duration") << play << 5000 << true;
    QTest::newRow("stopped") << QList<Qt::Key>{Qt::Key_Return, Qt::Key_Escape} << 500 << false;
    QTest::newRow("manual, run out") << QList<Qt::Key>{Qt::Key_Return, Qt::Key_M} << 5000 << false;
}

void PlaybackWireTest::commitOfTheEntryOnTheDisplay() {
    QFETCH(QList<Qt::Key>, keys);
    QFETCH(int, after);
    QFETCH(bool, refused);

    ProgramPlaying program;
    QVERIFY2(program.start(), program.pty ? program.pty->output().constData() : "");
    program.setRows(
        {{"", "1", "JA", "B", "A", "1", "V30", ""}, {"", "2", "JA", "B", "B", "1", "M1", ""}});
    program.main().selection().select(2);
    program.main().selection().select(1); // the editor holds entry 1
    for (Qt::Key key : keys) {
        const Qt::KeyboardModifiers modifiers = key == Qt::Key_Return ? Qt::ControlModifier
                                                : key == Qt::Key_M    ? Qt::AltModifier
                                                                      : Qt::NoModifier;
        program.press(key, modifiers);
    }
    program.clock.advance(after);

    if (refused)
        program.prompter.expect(ScriptedPrompter::Kind::Error,
                                QString::fromUtf8("Dieser Text läuft gerade!"));
    MainWindowForm& form = program.main().form();
    QCOMPARE(form.editorPanel->numberField()->text(), "1");
    form.editorPanel->commitButton()->setEnabled(true);
    QTest::mouseClick(form.editorPanel->commitButton(), Qt::LeftButton);
    QVERIFY2(program.prompter.finished(), program.prompter.report());
    QCOMPARE(form.editorPanel->commitButton()->isEnabled(), refused);
}

QTEST_MAIN(PlaybackWireTest)
#include "tst_playbackwire.moc"
