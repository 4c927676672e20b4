#include "playbackrig.h"
#include "sequencerows.h"

#include "platform/timer.h"
#include "playback/playbackcontroller.h"
#include "sequence/rowselection.h"

#include <QTest>

using Marker = SequenceTable::Marker;

Q_DECLARE_METATYPE(PlaybackMode)

namespace {

// The commands open beyond those open in every state, and the editing commands when open.
QString openCommands(const PlaybackController& c) {
    using C = PlaybackCommand;
    for (C always : {C::Play, C::PlayFromNumber, C::Stop, C::Manual, C::ManualFromNumber,
                     C::StartPaused, C::Speed, C::Follow}) {
        if (!c.isEnabled(always))
            return QStringLiteral("closed: %1").arg(int(always));
    }
    const QList<std::pair<C, const char*>> names{
        {C::Pause, "pause"},       {C::GoOn, "goon"},
        {C::First, "first"},       {C::Last, "last"},
        {C::Previous, "previous"}, {C::Next, "next"},
        {C::GoToSelected, "goto"}, {C::GoToNumber, "gotonumber"}};
    QStringList open;
    for (const auto& [command, name] : names) {
        if (c.isEnabled(command))
            open << QLatin1String(name);
    }
    if (CommandAvailability::editingAllowed(c.playbackMode()))
        open << QStringLiteral("editing");
    return open.join(' ');
}

struct ControllerRig : DisplayRig {
    RowSelection selection{table};
    PlaybackController controller{table, selection, output, clock, nullptr};
    QList<int> scrolledTo;
    QStringList reports;

    explicit ControllerRig(int lines = 1, int columns = 4)
        : DisplayRig(lines, columns) {
        PlaybackController::Hooks hooks;
        hooks.scrollToRow = [this](int row) {
            scrolledTo << row;
        };
        hooks.report = [this](const QString& text) {
            if (!text.isEmpty())
                reports << text;
        };
        controller.setHooks(hooks);
    }
    // Entries numbered from 1, one page each, shown once a second; "-" leaves a row without
    // a number.
    void setActiveWords(const QStringList& words) {
        QList<QStringList> rows;
        for (int i = 0; i < words.size(); ++i) {
            const QString number = words.at(i) == "-" ? QString() : QString::number(i + 1);
            rows << QStringList{number, words.at(i), "B", "T" + QString::number(i + 1), "1", "M1"};
        }
        setRows(rows);
    }
    QList<int> redRows() const {
        QList<int> rows;
        for (int r = 1; r < table.gridRowCount(); ++r) {
            if (table.marker(r) == Marker::Playing)
                rows << r;
        }
        return rows;
    }
    void run(const QString& command) {
        PlaybackController& c = controller;
        if (command == "play")
            c.play();
        else if (command == "stop")
            c.stop();
        else if (command == "manual")
            c.manual();
        else if (command == "pause")
            c.setPaused(true);
        else if (command == "release")
            c.setPaused(false);
        else if (command == "startpause")
            c.startPaused();
        else if (command == "goon")
            c.goOn();
        else if (command == "first")
            c.first();
        else if (command == "last")
            c.last();
        else if (command == "previous")
            c.previous();
        else if (command == "next")
            c.next();
        else
            QFAIL(qPrintable("unknown command " + command));
    }
};

} // namespace

class PlaybackControllerTest : public QObject {
    Q_OBJECT

private slots:
    void navigation_data();
    void navigation();
    void noActiveRowEndsAfterOneRound();
    void playWhilePlayingShowsAtOnce();
    void manualDuringAutomaticHoldsAtTheEnd();
    void startAndPauseFromStoppedSendsNothing();
    void presetDurationFollowsSpeed_data();
    void presetDurationFollowsSpeed();
    void releasedPauseRestartsWholeDuration();
    void releasedPauseAfterRunOutShowsTextAgain();
    void releasedPauseTimesTheEntryStartedWhilePaused_data();
    void releasedPauseTimesTheEntryStartedWhilePaused();
    void stopLeavesDisplayBlank_data();
    void stopLeavesDisplayBlank();
    void markedRowTurnsYellowAgain();
    void marksSurviveStartsAfterStop();
    void sortedAwayEntryLosesItsRed();
    void sortKeepsTheCurrentEntryPlaying_data();
    void sortKeepsTheCurrentEntryPlaying();
    void commandsOpenFollowStateTable_data();
    void commandsOpenFollowStateTable();
    void emptySequenceOnlyPutsStopDown_data();
    void emptySequenceOnlyPutsStopDown();
    void malformedDurationPlaysAsMinimum();
    void oddCellsPlayTheirText_data();
    void oddCellsPlayTheirText();
    void goOnLeavesPausedFlowingText();
    void runningCheckAndPortFreeze();
    void commandAfterPortFreezeAnimatesAgain_data();
    void commandAfterPortFreezeAnimatesAgain();
    void followSelectsStartedRow();
    void everyStartShowsItsFirstFrameAfter100Ms_data();
    void everyStartShowsItsFirstFrameAfter100Ms();
};

void PlaybackControllerTest::navigation_data() {
    QTest::addColumn<QStringList>("active");
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("expected");

    const QStringList three{"JA", "JA", "JA"};
    QTest::newRow("next on the last row wraps") << three << 3 << "next" << 1;
    QTest::newRow("previous on row 1 wraps") << three << 1 << "previous" << 3;
    QTest::newRow("first") << three << 2 << "first" << 1;
    QTest::newRow("last") << three << 1 << "last" << 3;
    const QStringList gap{"JA", "NEIN", "NEIN", "JA"};
    QTest::newRow("next skips inactive rows") << gap << 1 << "next" << 4;
    QTest::newRow("previous skips inactive rows") << gap << 4 << "previous" << 1;
    const QStringList lastOff{"JA", "JA", "NEIN"};
    QTest::newRow("last inactive: forward, wrap") << lastOff << 2 << "last" << 1;
    QTest::newRow("previous onto inactive last row") << lastOff << 1 << "previous" << 1;
    QTest::newRow("backwards over row 1 turns forward")
        << QStringList{"NEIN", "NEIN", "JA", "JA"} << 3 << "previous" << 3;
    QTest::newRow("first inactive") << QStringList{"NEIN", "JA"} << 2 << "first" << 2;
    QTest::newRow("the other language's word")
        << QStringList{"JA", "NO", "YES"} << 1 << "next" << 3;
    QTest::newRow("case counts") << QStringList{"JA", "nein", "JA"} << 1 << "next" << 2;
    QTest::newRow("row without number is never started")
        << QStringList{"JA", "-", "JA"} << 1 << "next" << 1;
}

void PlaybackControllerTest::navigation() {
    QFETCH(QStringList, active);
    QFETCH(int, start);
    QFETCH(QString, command);
    QFETCH(int, expected);

    ControllerRig rig;
    rig.setActiveWords(active);
    rig.controller.manual();
    rig.controller.startEntry(start);
    rig.run(command);

    QCOMPARE(rig.controller.currentEntryRow(), expected);
    QCOMPARE(rig.redRows(), QList<int>{expected});
    QCOMPARE(rig.controller.currentNumber(), QByteArray::number(expected));
    rig.clock.advance(100);
    QCOMPARE(rig.frames().last(), rig.screen({"T" + QString::number(expected)}));
}

void PlaybackControllerTest::noActiveRowEndsAfterOneRound() {
    ControllerRig rig;
    rig.setRows({{"1", "NEIN", "B", "A", "1", "V5"},
                 {"2", "NEIN", "B", "B", "1", "V5"},
                 {"3", "NO", "B", "C", "1", "M1"}});
    rig.selection.select(2);
    rig.controller.play();
    QCOMPARE(rig.frames(), QList<QByteArray>{rig.screen({})});
    QVERIFY(!rig.controller.animation().timer().isEnabled());
    QVERIFY(!rig.controller.textTimer().isEnabled());
    QCOMPARE(rig.redRows().size(), 1);
    rig.clock.advance(60000);
    QCOMPARE(rig.frames().size(), 1);
    QCOMPARE(rig.controller.playbackMode(), PlaybackMode::Automatic);
}

void PlaybackControllerTest::playWhilePlayingShowsAtOnce() {
    ControllerRig rig;
    rig.setRows({{"1", "JA", "B", "A,B,C,D", "1", "M1"}, {"2", "JA", "B", "X", "1", "M1"}});
    rig.controller.play();
    rig.clock.advance(1500);
    rig.selection.select(2);
    rig.controller.play();
    rig.clock.advance(1000);
    // The animation was still running; the new entry's first frame comes 100 ms after its
    // start all the same, not with the old entry's next tick (2100), which came late.
    QCOMPARE(rig.frameTimes, (QList<qint64>{100, 1100, 1600}));
    QCOMPARE(rig.frames().last(), rig.screen({"X"}));
}

void PlaybackControllerTest::manualDuringAutomaticHoldsAtTheEnd() {
    ControllerRig rig;
    rig.setRows({{"1", "JA", "B", "A,B,C", "1", "M1"}, {"2", "JA", "B", "Z", "1", "M1"}});
    rig.controller.play();
    rig.clock.advance(150);
    rig.controller.manual();
    rig.clock.advance(20000);
    QCOMPARE(rig.frameTimes, (QList<qint64>{100, 1100, 2100, 3100}));
    QCOMPARE(rig.frames().last(), rig.screen({})); // more than one page: cleared
    QCOMPARE(rig.controller.currentEntryRow(), 1);
}

void PlaybackControllerTest::startAndPauseFromStoppedSendsNothing() {
    ControllerRig rig;
    rig.setRows({{"1", "JA", "B", "A", "1", "M1"}, {"2", "JA", "B", "B,C", "1", "V3"}});
    rig.selection.select(2);
    rig.controller.startPaused();
    QCOMPARE(rig.controller.playbackMode(), PlaybackMode::Automatic);
    QVERIFY(rig.controller.isPaused());
    QCOMPARE(rig.redRows(), QList<int>{2});
    QCOMPARE(rig.controller.currentNumber(), QByteArray("2"));
    QVERIFY(rig.controller.durationTimerHeld());
    rig.clock.advance(5000);
    QVERIFY(rig.frames().isEmpty());

    rig.controller.goOn();
    QCOMPARE(rig.frames(), QList<QByteArray>{rig.screen({"B"})});
    QCOMPARE(rig.frameTimes, QList<qint64>{5000});
}

void PlaybackControllerTest::presetDurationFollowsSpeed_data() {
    QTest::addColumn<int>("speed");
    QTest::addColumn<int>("endsAt");
    QTest::newRow("150%") << 500 << 5000;
    QTest::newRow("nominal") << 1000 << 10000;
    QTest::newRow("50%") << 1500 << 15000;
    QTest::newRow("beyond the bar") << 3000 << 15000;
}

void PlaybackControllerTest::presetDurationFollowsSpeed() {
    QFETCH(int, speed);
    QFETCH(int, endsAt);

    ControllerRig rig;
    rig.setRows({{"1", "JA", "B", "A", "1", "V10"}, {"2", "JA", "B", "Z", "1", "M1"}});
    rig.controller.setSpeedFactor(speed);
    rig.controller.play();
    rig.clock.advance(endsAt - 1);
    QCOMPARE(rig.controller.currentEntryRow(), 1);
    rig.clock.advance(1);
    QCOMPARE(rig.controller.currentEntryRow(), 2);
}

void PlaybackControllerTest::releasedPauseRestartsWholeDuration() {
    ControllerRig rig;
    rig.setRows({{"1", "JA", "B", "A", "1", "V10"}, {"2", "JA", "B", "Z", "1", "M1"}});
    rig.controller.play();
    rig.clock.advance(4000);
    rig.controller.setPaused(true);
    rig.clock.advance(2000);
    rig.controller.setPaused(false);
    rig.clock.advance(9999);
    QCOMPARE(rig.controller.currentEntryRow(), 1);
    rig.clock.advance(1);
    QCOMPARE(rig.controller.currentEntryRow(), 2);
}

void PlaybackControllerTest::releasedPauseAfterRunOutShowsTextAgain() {
    ControllerRig rig;
    rig.setRows({{"1", "JA", "B", "A", "2", "V30"}, {"2", "JA", "B", "Z", "1", "M1"}});
    rig.controller.play();
    rig.clock.advance(3000); // page at 100, run-out at 2100: the page stays
    rig.controller.setPaused(true);
    rig.clock.advance(1000);
    rig.controller.setPaused(false);
    rig.clock.advance(4000);
    QCOMPARE(rig.frameTimes, (QList<qint64>{100, 6000}));
    QCOMPARE(rig.frames().last(), rig.screen({"A"}));
}

// The duration timer held by a pause belongs to the entry that was current then. When the
// pause starts another entry (by going on, or by Play), the release times that entry by its
// own duration, or not at all.
void PlaybackControllerTest::releasedPauseTimesTheEntryStartedWhilePaused_data() {
    QTest::addColumn<QString>("firstDuration");
    QTest::addColumn<QString>("secondDuration");
    QTest::addColumn<QString>("via");
    QTest::addColumn<int>("rowAfterRelease");

    QTest::newRow("preset, then minimum, going on") << "V10"
                                                    << "M1"
                                                    << "goon" << 2;
    QTest::newRow("preset, then minimum, Play") << "V10"
                                                << "M1"
                                                << "play" << 2;
    QTest::newRow("minimum, then preset, going on") << "M1"
                                                    << "V10"
                                                    << "goon" << 3;
    QTest::newRow("minimum, then preset, Play") << "M1"
                                                << "V10"
                                                << "play" << 3;
}

void PlaybackControllerTest::releasedPauseTimesTheEntryStartedWhilePaused() {
    QFETCH(QString, firstDuration);
    QFETCH(QString, secondDuration);
    QFETCH(QString, via);
    QFETCH(int, rowAfterRelease);

    ControllerRig rig;
    // The second entry runs for 30 s: six pages of 5 s.
    rig.setRows({{"1", "JA", "B", "A", "1", firstDuration},
                 {"2", "JA", "B", "P,Q,R,S,T,U", "5", secondDuration},
                 {"3", "JA", "B", "Z", "1", "M1"}});
    rig.controller.play();
    rig.clock.advance(50);
    rig.controller.setPaused(true);
    if (via == "goon") {
        rig.controller.goOn(); // the page
        rig.controller.goOn(); // the run-out starts the next entry
    } else {
        rig.selection.select(2);
        rig.controller.play();
    }
    QCOMPARE(rig.controller.currentEntryRow(), 2);
    rig.controller.setPaused(false);
    rig.clock.advance(10500);
    QCOMPARE(rig.controller.currentEntryRow(), rowAfterRelease);
}

void PlaybackControllerTest::stopLeavesDisplayBlank_data() {
    QTest::addColumn<QStringList>("commands");
    QTest::addColumn<int>("stopAt");
    QTest::addColumn<Marker>("marker");
    // The row played last loses its yellow; a row that never played keeps it.
    const Marker normal = Marker::Normal;
    QTest::newRow("running") << QStringList{"play"} << 1500 << normal;
    QTest::newRow("paused while running") << QStringList{"play", "pause"} << 1500 << normal;
    QTest::newRow("paused after the run-out") << QStringList{"play", "pause"} << 5000 << normal;
    QTest::newRow("manual, waiting") << QStringList{"play", "manual"} << 5000 << normal;
    QTest::newRow("never started") << QStringList{} << 0 << Marker::Marked;
}

void PlaybackControllerTest::stopLeavesDisplayBlank() {
    QFETCH(QStringList, commands);
    QFETCH(int, stopAt);
    QFETCH(Marker, marker);

    ControllerRig rig;
    rig.setRows({{"1", "JA", "B", "A,B", "1", "V30"}, {"2", "JA", "B", "Z", "1", "M1"}});
    rig.table.setMarker(1, Marker::Marked);
    for (const QString& command : commands) {
        if (command == "pause")
            rig.clock.advance(stopAt - rig.clock.nowMs());
        rig.run(command);
    }
    rig.clock.advance(stopAt - rig.clock.nowMs());
    rig.selection.select(2);
    rig.controller.stop();
    rig.clock.advance(60000);

    QCOMPARE(rig.frames().last(), rig.screen({}));
    QCOMPARE(rig.frameTimes.last(), qint64(stopAt));
    QCOMPARE(rig.table.marker(1), marker);
    QCOMPARE(rig.controller.currentEntryRow(), 2);
    QVERIFY(!rig.controller.isPaused());
    QCOMPARE(openCommands(rig.controller), QString("editing"));
}

void PlaybackControllerTest::markedRowTurnsYellowAgain() {
    ControllerRig rig;
    rig.setRows({{"1", "JA", "B", "A", "1", "M1"}, {"2", "JA", "B", "Z", "1", "M1"}});
    rig.table.setMarker(1, Marker::Marked);
    rig.table.setMarker(2, Marker::Initial);
    rig.controller.play();
    QCOMPARE(rig.table.marker(1), Marker::Playing);
    rig.clock.advance(1100); // run-out of row 1
    QCOMPARE(rig.table.marker(1), Marker::Marked);
    QCOMPARE(rig.table.marker(2), Marker::Playing);
    rig.clock.advance(1100);
    QCOMPARE(rig.table.marker(2), Marker::Normal); // only yellow and red are kept
}

void PlaybackControllerTest::marksSurviveStartsAfterStop() {
    ControllerRig rig;
    rig.setActiveWords({"JA", "JA", "JA"});
    rig.table.setMarker(3, Marker::Marked);
    rig.selection.select(3);
    rig.controller.stop(); // row 3 becomes current without playing
    rig.selection.select(2);
    rig.controller.play();
    QCOMPARE(rig.table.marker(3), Marker::Marked);
    QCOMPARE(rig.redRows(), QList<int>{2});
}

void PlaybackControllerTest::sortedAwayEntryLosesItsRed() {
    ControllerRig rig;
    rig.setRows({{"1", "JA", "B", "A", "1", "M1"}, {"3", "JA", "B", "C", "1", "M1"}});
    rig.table.setMarker(2, Marker::Marked);
    rig.controller.manual();
    rig.controller.startEntry(2);
    // A commit adds entry 2 and sorts: entry 3 moves down with its red marker, and stays
    // the current entry.
    const int added = rig.table.appendRow();
    rig.table.setCell(SequenceTable::NumberColumn, added, "2");
    rig.table.setCell(SequenceTable::ActiveColumn, added, "JA");
    rig.table.sortByNumber(added);
    QCOMPARE(rig.redRows(), QList<int>{3});
    QCOMPARE(rig.controller.currentEntryRow(), 3);

    rig.controller.previous();
    QCOMPARE(rig.redRows(), QList<int>{2});
    QCOMPARE(rig.table.marker(3), Marker::Marked);
    QCOMPARE(rig.table.marker(1), Marker::Normal);
}

void PlaybackControllerTest::sortKeepsTheCurrentEntryPlaying_data() {
    QTest::addColumn<QByteArray>("added");
    QTest::addColumn<int>("currentRow");
    QTest::addColumn<QString>("nextText");
    QTest::newRow("sorted in front of it") << QByteArray("2") << 3 << "A";
    QTest::newRow("sorted behind it") << QByteArray("4") << 2 << "B1";
}

// An entry committed during the show sorts into the table while entry 3 turns its pages: the
// pages that follow are still entry 3's, and the next entry is the one after it.
void PlaybackControllerTest::sortKeepsTheCurrentEntryPlaying() {
    QFETCH(QByteArray, added);
    QFETCH(int, currentRow);
    QFETCH(QString, nextText);

    ControllerRig rig;
    rig.setRows({{"1", "JA", "B", "A", "1", "M1"}, {"3", "JA", "B", "C1,C2,C3", "1", "M1"}});
    rig.selection.select(2);
    rig.controller.play();
    rig.clock.advance(100);
    QCOMPARE(rig.frames().last(), rig.screen({"C1"}));

    const int row = rig.table.appendRow();
    rig.table.setRowCells(row, SequenceRows::entry(added));
    rig.table.setCell(SequenceTable::TextColumn, row, "B1,B2");
    rig.table.sortByNumber(row);
    QCOMPARE(rig.controller.currentEntryRow(), currentRow);
    QCOMPARE(rig.redRows(), QList<int>{currentRow});

    rig.clock.advance(1000);
    QCOMPARE(rig.frames().last(), rig.screen({"C2"}));
    rig.clock.advance(1000);
    QCOMPARE(rig.frames().last(), rig.screen({"C3"}));
    rig.clock.advance(1000 + 100); // run-out, then the next entry's first frame
    QCOMPARE(rig.frames().last(), rig.screen({nextText}));
}

// The one rule: which commands each settled state opens, reached by any way.
void PlaybackControllerTest::commandsOpenFollowStateTable_data() {
    QTest::addColumn<QStringList>("commands");
    QTest::addColumn<PlaybackMode>("mode");
    QTest::addColumn<bool>("paused");
    QTest::addColumn<QString>("open");

    const auto stopped = PlaybackMode::Stopped;
    const auto automatic = PlaybackMode::Automatic;
    const auto manual = PlaybackMode::Manual;
    const QString navigation = "first last previous next goto gotonumber";
    QTest::newRow("start") << QStringList{} << stopped << false << "editing";
    QTest::newRow("play") << QStringList{"play"} << automatic << false << "pause";
    QTest::newRow("play, pause") << QStringList{"play", "pause"} << automatic << true
                                 << "pause goon";
    QTest::newRow("play, pause, release")
        << QStringList{"play", "pause", "release"} << automatic << false << "pause";
    QTest::newRow("manual") << QStringList{"manual"} << manual << false << "pause " + navigation;
    QTest::newRow("manual, pause")
        << QStringList{"manual", "pause"} << manual << true << "pause goon " + navigation;
    QTest::newRow("paused play, manual")
        << QStringList{"play", "pause", "manual"} << manual << false << "pause " + navigation;
    QTest::newRow("paused manual, play")
        << QStringList{"manual", "pause", "play"} << automatic << false << "pause";
    QTest::newRow("paused, stop") << QStringList{"play", "pause", "stop"} << stopped << false
                                  << "editing";
    QTest::newRow("start and pause")
        << QStringList{"startpause"} << automatic << true << "pause goon";
    QTest::newRow("manual, start and pause")
        << QStringList{"manual", "startpause"} << automatic << true << "pause goon";
    QTest::newRow("pause refused while stopped")
        << QStringList{"pause"} << stopped << false << "editing";
    QTest::newRow("navigation refused in automatic")
        << QStringList{"play", "next", "last"} << automatic << false << "pause";
}

void PlaybackControllerTest::commandsOpenFollowStateTable() {
    QFETCH(QStringList, commands);
    QFETCH(PlaybackMode, mode);
    QFETCH(bool, paused);
    QFETCH(QString, open);

    ControllerRig rig;
    rig.setActiveWords({"JA", "JA", "JA"});
    QList<PlaybackMode> shownModes;
    QList<bool> shownPaused;
    PlaybackController::Hooks hooks;
    hooks.showMode = [&](PlaybackMode m) {
        shownModes << m;
    };
    hooks.showPaused = [&](bool p) {
        shownPaused << p;
    };
    rig.controller.setHooks(hooks);
    for (const QString& command : commands)
        rig.run(command);

    QCOMPARE(rig.controller.playbackMode(), mode);
    QCOMPARE(rig.controller.isPaused(), paused);
    QCOMPARE(openCommands(rig.controller), open);
    QCOMPARE(shownModes.last(), mode);
    QCOMPARE(shownPaused.last(), paused);
    QCOMPARE(rig.controller.currentEntryRow(), 1);
}

void PlaybackControllerTest::emptySequenceOnlyPutsStopDown_data() {
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("command");

    // Stopped opens what stopped always opens: editing too, after Play from manual mode
    // (which used to leave the editing commands locked and Pause open while stopped).
    QTest::newRow("play") << QStringList{} << "play";
    QTest::newRow("manual") << QStringList{} << "manual";
    QTest::newRow("start and pause") << QStringList{} << "startpause";
    QTest::newRow("play from manual") << QStringList{"manual"} << "play";
}

void PlaybackControllerTest::emptySequenceOnlyPutsStopDown() {
    QFETCH(QStringList, before);
    QFETCH(QString, command);

    ControllerRig rig;
    rig.setActiveWords({"JA"});
    for (const QString& c : before)
        rig.run(c);
    rig.table.setCell(SequenceTable::NumberColumn, 1, QByteArray());
    rig.run(command);
    QCOMPARE(rig.controller.playbackMode(), PlaybackMode::Stopped);
    QVERIFY(!rig.controller.isPaused());
    QCOMPARE(openCommands(rig.controller), QString("editing"));
    rig.clock.advance(5000);
    QVERIFY(rig.frames().isEmpty());
}

void PlaybackControllerTest::malformedDurationPlaysAsMinimum() {
    ControllerRig rig;
    rig.setRows({{"1", "JA", "B", "A", "1", "Vx"}, {"2", "JA", "B", "Z", "1", "M1"}});
    rig.table.setMarker(2, Marker::Marked);
    rig.controller.play();
    QCOMPARE(rig.reports, QStringList{"Text 1, Spalte Dauer: 'x' ist kein gültiger Integerwert"});
    QVERIFY(!rig.controller.textTimer().isEnabled());
    rig.clock.advance(1100);
    QCOMPARE(rig.controller.currentEntryRow(), 2);
    QCOMPARE(rig.redRows(), QList<int>{2});
    QCOMPARE(rig.table.marker(1), Marker::Normal);
    QCOMPARE(rig.reports.size(), 1);
}

void PlaybackControllerTest::oddCellsPlayTheirText_data() {
    QTest::addColumn<QStringList>("row");
    QTest::addColumn<QStringList>("firstFrame");
    QTest::newRow("minimum Dauer without seconds")
        << QStringList{"1", "JA", "B", "A,B", "1", "MX"} << QStringList{"A", "B", ""};
    QTest::newRow("empty Dauer") << QStringList{"1", "JA", "S", "A", "1", ""}
                                 << QStringList{"", "", "A"};
    QTest::newRow("flow short of fixed lines")
        << QStringList{"1", "JA", "F", "\"A\"", "1,2,TOP", "M1"} << QStringList{"TOP", "", ""};
}

// A Dauer cell that only a preset duration would need, and fixed lines missing from a
// flowing text, neither stop the text nor raise a report.
void PlaybackControllerTest::oddCellsPlayTheirText() {
    QFETCH(QStringList, row);
    QFETCH(QStringList, firstFrame);
    ControllerRig rig(3, 4);
    rig.setRows({row});
    rig.controller.play();
    rig.clock.advance(100);
    QCOMPARE(rig.frames(), QList<QByteArray>{rig.screen(firstFrame)});
    QVERIFY(rig.reports.isEmpty());
    QVERIFY(!rig.controller.hasPresetDuration());
}

void PlaybackControllerTest::goOnLeavesPausedFlowingText() {
    ControllerRig rig(2, 4);
    rig.setRows({{"1", "JA", "F", "\"AB\"", "1,1,X", "M1"}, {"2", "JA", "B", "P,Q,R", "1", "M1"}});
    rig.controller.play();
    rig.clock.advance(350);
    rig.controller.setPaused(true);
    rig.clock.advance(1000);
    rig.controller.goOn();
    QCOMPARE(rig.controller.currentEntryRow(), 2);
    rig.clock.advance(1000);
    QCOMPARE(rig.frameTimes, (QList<qint64>{100, 200, 300, 1450}));
    QCOMPARE(rig.frames().last(), rig.screen({"P", "Q"}));
    QVERIFY(!rig.controller.animation().timer().isEnabled());
    rig.controller.goOn(); // the next page at once
    QCOMPARE(rig.frames().last(), rig.screen({"R", ""}));
}

void PlaybackControllerTest::runningCheckAndPortFreeze() {
    ControllerRig rig;
    rig.setRows({{"1", "JA", "B", "A", "1", "V10"}, {"2", "JA", "B", "Z", "1", "M1"}});
    QVERIFY(!rig.controller.isRunning("1"));
    rig.controller.play();
    QVERIFY(rig.controller.isRunning("1"));
    QVERIFY(!rig.controller.isRunning("2"));
    rig.controller.stopTimers();
    QVERIFY(!rig.controller.isRunning("1"));
    QCOMPARE(rig.controller.playbackMode(), PlaybackMode::Automatic);
    rig.clock.advance(60000);
    QVERIFY(rig.frames().isEmpty());
}

// The port command froze the board; the next playback command shows its entry again.
void PlaybackControllerTest::commandAfterPortFreezeAnimatesAgain_data() {
    QTest::addColumn<QStringList>("commands");
    QTest::addColumn<QString>("shown");

    QTest::newRow("play") << QStringList{"play"} << "T2";
    QTest::newRow("next") << QStringList{"manual", "next"} << "T2";
    QTest::newRow("go to") << QStringList{"manual", "goto"} << "T2";
    QTest::newRow("first") << QStringList{"manual", "first"} << "T1";
}

void PlaybackControllerTest::commandAfterPortFreezeAnimatesAgain() {
    QFETCH(QStringList, commands);
    QFETCH(QString, shown);

    ControllerRig rig;
    rig.setActiveWords({"JA", "JA", "JA"});
    rig.controller.play();
    rig.clock.advance(500);
    QCOMPARE(rig.frames().size(), 1);
    rig.controller.stopTimers();
    rig.clock.advance(5000);
    QCOMPARE(rig.frames().size(), 1);

    rig.selection.select(2);
    for (const QString& command : commands) {
        if (command == "goto")
            rig.controller.goToSelected();
        else
            rig.run(command);
    }
    rig.clock.advance(EntryAnimation::StartDelayMs);
    QCOMPARE(rig.frames().size(), 2);
    QCOMPARE(rig.frames().last(), rig.screen({shown}));
}

void PlaybackControllerTest::followSelectsStartedRow() {
    ControllerRig rig;
    rig.setActiveWords({"JA", "JA", "JA"});
    rig.controller.play();
    rig.clock.advance(1100);
    QCOMPARE(rig.selection.selectedRow(), 1);
    rig.controller.followClicked(true);
    QCOMPARE(rig.scrolledTo, QList<int>{2});
    QCOMPARE(rig.selection.selectedRow(), 2);
    rig.clock.advance(1100);
    QCOMPARE(rig.scrolledTo, (QList<int>{2, 3}));
    QCOMPARE(rig.selection.selectedRow(), 3);
}

void PlaybackControllerTest::everyStartShowsItsFirstFrameAfter100Ms_data() {
    QTest::addColumn<QString>("duration");
    QTest::addColumn<QStringList>("commands");
    QTest::addColumn<QList<qint64>>("times");
    QTest::addColumn<QStringList>("shown");

    // Each entry has two pages of 4 s; "wait N" lets the clock run to N ms.
    QTest::newRow("manual, next during a page")
        << "M1" << QStringList{"manual", "first", "wait 1200", "next"} << QList<qint64>{100, 1300}
        << QStringList{"A1", "B1"};
    QTest::newRow("manual, quick nexts")
        << "M1" << QStringList{"manual", "first", "wait 1000", "next", "wait 1050", "next"}
        << QList<qint64>{100, 1150} << QStringList{"A1", "C1"};
    QTest::newRow("automatic, play on another row during a page")
        << "M1" << QStringList{"play", "wait 1200", "select 3", "play"} << QList<qint64>{100, 1300}
        << QStringList{"A1", "C1"};
    QTest::newRow("preset duration shorter than the page time")
        << "V3" << QStringList{"play"} << QList<qint64>{100, 3100, 6100}
        << QStringList{"A1", "B1", "C1"};
}

// An entry that starts while the previous one still turns its pages shows at once (100 ms
// later), not when the previous entry's page time has run out.
void PlaybackControllerTest::everyStartShowsItsFirstFrameAfter100Ms() {
    QFETCH(QString, duration);
    QFETCH(QStringList, commands);
    QFETCH(QList<qint64>, times);
    QFETCH(QStringList, shown);

    ControllerRig rig;
    rig.setRows({{"1", "JA", "B", "A1,A2", "4", duration},
                 {"2", "JA", "B", "B1,B2", "4", duration},
                 {"3", "JA", "B", "C1,C2", "4", duration}});
    for (const QString& command : commands) {
        if (command.startsWith("wait "))
            rig.clock.advance(command.mid(5).toInt() - rig.clock.nowMs());
        else if (command.startsWith("select "))
            rig.selection.select(command.mid(7).toInt());
        else
            rig.run(command);
    }
    rig.clock.advance(times.last() - rig.clock.nowMs());
    QCOMPARE(rig.frameTimes, times);
    QList<QByteArray> frames;
    for (const QString& text : shown)
        frames << rig.screen({text});
    QCOMPARE(rig.frames(), frames);
}

QTEST_GUILESS_MAIN(PlaybackControllerTest)
#include "tst_playbackcontroller.moc"
