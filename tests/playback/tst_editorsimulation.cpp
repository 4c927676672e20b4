#include "virtualclock.h"

#include "platform/timer.h"
#include "playback/editorsimulation.h"

#include <QSignalSpy>
#include <QTest>

Q_DECLARE_METATYPE(TextKind)

namespace {

// The edited entry and the speed factor as the test sets them; every frame the preview gets,
// its lines joined by "|", with the time it came.
struct SimulationRig {
    VirtualClock clock;
    SequenceEntry entry;
    DisplaySetup display;
    int speed = 1000;
    QStringList frames;
    QList<qint64> times;
    EditorSimulation simulation{hooks(), clock};

    EditorSimulation::Hooks hooks() {
        EditorSimulation::Hooks h;
        h.editedEntry = [this] {
            return entry;
        };
        h.display = [this] {
            return display;
        };
        h.speedFactor = [this] {
            return speed;
        };
        h.showPreview = [this](const QList<QByteArray>& lines) {
            QStringList shown;
            for (const QByteArray& line : lines)
                shown << QString::fromLatin1(line);
            frames << shown.join(QLatin1Char('|'));
            times << clock.nowMs();
        };
        return h;
    }
    void setText(TextKind kind, const QString& text) {
        entry.kind = kind;
        entry.lines.clear();
        if (kind == TextKind::Flow)
            entry.lines << text.toLatin1();
        else if (!text.isEmpty())
            for (const QString& line : text.split(QLatin1Char('/')))
                entry.lines << line.toLatin1();
    }
    // The frames that come while the clock moves on by ms.
    QStringList framesDuring(qint64 ms) {
        const qsizetype before = frames.size();
        clock.advance(ms);
        return frames.mid(before);
    }
};

} // namespace

class EditorSimulationTest : public QObject {
    Q_OBJECT

private slots:
    void cycleOfEachKind_data();
    void cycleOfEachKind();
    void editsShowAtTheNextTick();
    void kindSwitchKeepsTheCounters();
    void boxAndStop();
};

void EditorSimulationTest::cycleOfEachKind_data() {
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("columns");
    QTest::addColumn<TextKind>("kind");
    // Block and scroll: the editor lines separated by "/"; flow: the text.
    QTest::addColumn<QString>("text");
    // Change time in seconds, or the flow step in tenths.
    QTest::addColumn<int>("time");
    QTest::addColumn<int>("runningLine");
    QTest::addColumn<QStringList>("fixed");
    QTest::addColumn<int>("speed");
    QTest::addColumn<int>("interval");
    // More than one cycle: the text starts again by itself.
    QTest::addColumn<QStringList>("expected");

    const QStringList none;
    QTest::newRow("block of 5 lines on 3: page 0 follows the last")
        << 3 << 24 << TextKind::Block << "L0/L1/L2/L3/L4" << 3 << 1 << none << 1000 << 3000
        << QStringList{"L0|L1|L2", "L3|L4|", "L0|L1|L2", "L3|L4|"};
    QTest::newRow("empty block: blank pages") << 2 << 24 << TextKind::Block << "" << 1 << 1 << none
                                              << 1000 << 1000 << QStringList{"|", "|"};
    QTest::newRow("scroll of 2 lines on 2: one blank frame more than playback")
        << 2 << 24 << TextKind::Scroll << "A/B" << 2 << 1 << none << 1500 << 3000
        << QStringList{"|A", "A|B", "B|", "|", "|A", "A|B"};
    QTest::newRow("flow AB on 4 columns, step 5 at 1500: 750 ms, no line break passes")
        << 2 << 4 << TextKind::Flow << "AB" << 5 << 1 << QStringList{"X"} << 1500 << 750
        << QStringList{"    |X", "    |X", "   A|X", "  AB|X", " AB|X",
                       "AB|X",   "B|X",    "    |X", "    |X"};
    QTest::newRow("flow in line 2 of 3: lines 1 and 3 the first and second field")
        << 3 << 3 << TextKind::Flow << "Z" << 1 << 2 << QStringList{"OBEN", "UNTEN"} << 1234 << 123
        << QStringList{"OBEN|   |UNTEN", "OBEN|   |UNTEN", "OBEN|  Z|UNTEN",
                       "OBEN| Z|UNTEN",  "OBEN|Z|UNTEN",   "OBEN|   |UNTEN"};
    QTest::newRow("running line outside the display: the line past the fields stays empty")
        << 3 << 2 << TextKind::Flow << "Z" << 10 << 4 << QStringList{"A", "B"} << 1000 << 1000
        << QStringList{"A|B|", "A|B|"};
}

void EditorSimulationTest::cycleOfEachKind() {
    QFETCH(int, lines);
    QFETCH(int, columns);
    QFETCH(TextKind, kind);
    QFETCH(QString, text);
    QFETCH(int, time);
    QFETCH(int, runningLine);
    QFETCH(QStringList, fixed);
    QFETCH(int, speed);
    QFETCH(int, interval);
    QFETCH(QStringList, expected);

    SimulationRig rig;
    rig.display.lineCount = lines;
    rig.display.columnCount = columns;
    rig.setText(kind, text);
    rig.entry.changeTime = time;
    rig.entry.flowStep = time;
    rig.entry.runningLine = runningLine;
    for (const QString& line : fixed)
        rig.entry.fixedLines << line.toLatin1();
    rig.speed = speed;

    rig.simulation.setRunning(true);
    QVERIFY(rig.framesDuring(99).isEmpty());
    rig.clock.advance(1 + qint64(expected.size() - 1) * interval);
    QCOMPARE(rig.frames, expected);
    for (int k = 0; k < expected.size(); ++k)
        QCOMPARE(rig.times.at(k), 100 + qint64(k) * interval);
    QCOMPARE(rig.simulation.timer().interval(), interval);
}

void EditorSimulationTest::editsShowAtTheNextTick() {
    SimulationRig rig;
    rig.setText(TextKind::Block, "A/B/C/D/E/F/G");
    rig.simulation.setRunning(true);
    QCOMPARE(rig.framesDuring(100), QStringList{"A|B|C"});

    // Typed between two frames: the next page is read from the text as it is now.
    rig.setText(TextKind::Block, "A/B/C/NEU/E/F");
    QCOMPARE(rig.framesDuring(3000), QStringList{"NEU|E|F"});

    // A new page time and a new speed: the countdown running now keeps its length, the
    // next one is the new time.
    rig.entry.changeTime = 5;
    rig.speed = 800;
    QCOMPARE(rig.framesDuring(3000), QStringList{"A|B|C"});
    QCOMPARE(rig.simulation.timer().interval(), 4000);
    QVERIFY(rig.framesDuring(3999).isEmpty());
    QCOMPARE(rig.framesDuring(1), QStringList{"NEU|E|F"});

    // The text shortened below the page being shown: the next frame is page 0 again.
    rig.setText(TextKind::Block, "X");
    QCOMPARE(rig.framesDuring(4000), QStringList{"X||"});
}

void EditorSimulationTest::kindSwitchKeepsTheCounters() {
    SimulationRig rig;
    rig.display.lineCount = 2;
    rig.display.columnCount = 3;
    rig.setText(TextKind::Block, "A/B/C/D/E/F");
    rig.entry.changeTime = 1;
    rig.simulation.setRunning(true);
    QCOMPARE(rig.framesDuring(1100), (QStringList{"A|B", "C|D"}));

    // Another tab: its kind from the next tick on, with its own counter, at its own time.
    rig.setText(TextKind::Scroll, "S0/S1");
    rig.entry.changeTime = 2;
    QCOMPARE(rig.framesDuring(1000), QStringList{"|S0"});
    QCOMPARE(rig.framesDuring(2000), QStringList{"S0|S1"});
    rig.setText(TextKind::Flow, "F");
    rig.entry.flowStep = 1;
    QCOMPARE(rig.framesDuring(2000), QStringList{"   |"});
    // Back to the block: its page counter stood at 2.
    rig.setText(TextKind::Block, "A/B/C/D/E/F");
    QCOMPARE(rig.framesDuring(100), QStringList{"E|F"});
    QCOMPARE(rig.simulation.pageIndex(), 3);
    QCOMPARE(rig.simulation.scrollIndex(), 2);
    QCOMPARE(rig.simulation.flowIndex(), 1);
}

void EditorSimulationTest::boxAndStop() {
    SimulationRig rig;
    rig.setText(TextKind::Block, "A/B/C/D");
    QSignalSpy running(&rig.simulation, &EditorSimulation::runningChanged);
    rig.simulation.setRunning(true);
    rig.simulation.setRunning(true); // no change: the countdown and counters go on
    QCOMPARE(running.size(), 1);
    QCOMPARE(rig.framesDuring(3100), (QStringList{"A|B|C", "D||"}));

    // Closing or changing the port: the ticks stop, the box and the caret preview's
    // silence stay.
    rig.simulation.stop();
    QVERIFY(rig.simulation.isRunning());
    QVERIFY(!rig.simulation.isTicking());
    QVERIFY(rig.framesDuring(10000).isEmpty());
    QCOMPARE(running.size(), 1);

    // Unticked: the preview keeps its last frame; ticked again: the first frame 100 ms on.
    rig.simulation.setRunning(false);
    QVERIFY(!rig.simulation.isRunning());
    rig.simulation.setRunning(true);
    QCOMPARE(running.size(), 3);
    QCOMPARE(running.at(1).at(0).toBool(), false);
    QVERIFY(rig.framesDuring(99).isEmpty());
    QCOMPARE(rig.framesDuring(1), QStringList{"A|B|C"});
    rig.simulation.setRunning(false);
    QVERIFY(rig.framesDuring(10000).isEmpty());
}

QTEST_GUILESS_MAIN(EditorSimulationTest)
#include "tst_editorsimulation.moc"
