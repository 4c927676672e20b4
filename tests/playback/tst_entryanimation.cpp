#include "playbackrig.h"

#include "platform/timer.h"
#include "playback/entryanimation.h"

#include <QTest>

#include <memory>

Q_DECLARE_METATYPE(PlaybackMode)

namespace {

// The playback state the tick reads, set by the test. NextEntry starts the entry in the
// next row as the controller does: counters 0 and the animation on.
struct FakeHost final : EntryAnimation::Host {
    PlaybackMode mode = PlaybackMode::Automatic;
    bool paused = false;
    bool preset = false;
    int speed = 1000;
    int row = 1;
    QList<qint64> nextEntryTimes;
    QStringList stops;
    VirtualClock* clock = nullptr;
    EntryAnimation* animation = nullptr;

    PlaybackMode playbackMode() const override { return mode; }
    bool isPaused() const override { return paused; }
    bool hasPresetDuration() const override { return preset; }
    int speedFactor() const override { return speed; }
    int currentEntryRow() const override { return row; }
    void nextEntry() override {
        nextEntryTimes << clock->nowMs();
        animation->resetCounters();
        animation->setAnimating(true);
    }
    void animationStopped(const QString& message) override { stops << message; }
};

struct AnimationRig : DisplayRig {
    FakeHost host;
    std::unique_ptr<EntryAnimation> animation;

    AnimationRig(int lines, int columns)
        : DisplayRig(lines, columns) {
        animation = std::make_unique<EntryAnimation>(host, table, output, clock, nullptr);
        host.clock = &clock;
        host.animation = animation.get();
    }
    // The entry starts now, with an idle animation timer.
    void start(const QString& kind, const QString& text, const QString& parameter) {
        setRows({{"1", "JA", kind, text, parameter, "M1"}, {"2", "JA", "B", "NEXT", "1", "M1"}});
        animation->resetCounters();
        animation->setAnimating(true);
    }
};

} // namespace

class EntryAnimationTest : public QObject {
    Q_OBJECT

private slots:
    void courseOfOneEntry_data();
    void courseOfOneEntry();
    void runOut_data();
    void runOut();
    void malformedParameterStopsOnce_data();
    void malformedParameterStopsOnce();
    void speedChangeTakesEffectAtNextTick();
    void timeBelowRangeRunsAtShortestStep_data();
    void timeBelowRangeRunsAtShortestStep();
    void unknownKindKeepsImageAndTicking();
};

void EntryAnimationTest::courseOfOneEntry_data() {
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("columns");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("parameter");
    QTest::addColumn<int>("speed");
    QTest::addColumn<int>("interval");
    QTest::addColumn<QList<QStringList>>("frames");

    QTest::newRow("Blocktext of 5 lines, pages of 2") // the last page gets a blank line
        << 2 << 4 << "BLOCK"
        << "L0,L1,L2,L3,L4"
        << "3" << 1000 << 3000 << QList<QStringList>{{"L0", "L1"}, {"L2", "L3"}, {"L4", ""}};
    QTest::newRow("Blocktext at 150%, short code")
        << 2 << 4 << "B"
        << "L0,L1,L2"
        << "2" << 500 << 1000 << QList<QStringList>{{"L0", "L1"}, {"L2", ""}};
    QTest::newRow("Blocktext without lines") << 2 << 4 << "B"
                                             << ""
                                             << "2" << 1000 << 2000 << QList<QStringList>{};
    QTest::newRow("Scrolltext of 3 lines on 2")
        << 2 << 4 << "SCROLL"
        << "L0,L1,L2"
        << "1" << 1500 << 1500
        << QList<QStringList>{{"", "L0"}, {"L0", "L1"}, {"L1", "L2"}, {"L2", ""}};
    QTest::newRow("Scrolltext without lines") << 3 << 4 << "S"
                                              << ""
                                              << "1" << 1000 << 1000 << QList<QStringList>{{}, {}};
    QTest::newRow("Fliesstext AB on 2 x 4") // run string: 4 blanks, A, B, CR, LF
        << 2 << 4 << "FLIESS"
        << "\"AB\""
        << "1,1,X" << 1000 << 100
        << QList<QStringList>{{"    ", "X"}, {"    ", "X"}, {"   A", "X"},
                              {"  AB", "X"}, {" AB ", "X"}, {"AB  ", "X"},
                              {"B   ", "X"}, {"    ", "X"}, {"    ", "X"}};
    QTest::newRow("Fliesstext, step rounded down, second line")
        << 3 << 2 << "F"
        << "\"Q\""
        << "1,2,top,bottom" << 1234 << 123
        << QList<QStringList>{{"to", "", "bo"},   {"to", "", "bo"}, {"to", " Q", "bo"},
                              {"to", "Q ", "bo"}, {"to", "", "bo"}, {"to", "", "bo"}};
    QTest::newRow("Fliesstext on no line") // running line outside the display
        << 2 << 3 << "F"
        << "\"Z\""
        << "2,3,one,two" << 1000 << 200
        << QList<QStringList>{{"one", "two"}, {"one", "two"}, {"one", "two"}, {"one", "two"},
                              {"one", "two"}, {"one", "two"}, {"one", "two"}};
}

void EntryAnimationTest::courseOfOneEntry() {
    QFETCH(int, lines);
    QFETCH(int, columns);
    QFETCH(QString, kind);
    QFETCH(QString, text);
    QFETCH(QString, parameter);
    QFETCH(int, speed);
    QFETCH(int, interval);
    QFETCH(QList<QStringList>, frames);

    AnimationRig rig(lines, columns);
    rig.host.speed = speed;
    rig.start(kind, text, parameter);
    const qint64 runOut = 100 + qint64(frames.size()) * interval;
    rig.clock.advance(runOut - 1);
    QCOMPARE(rig.host.nextEntryTimes, QList<qint64>());
    rig.clock.advance(1);

    QList<qint64> times;
    QList<QByteArray> expected;
    for (int k = 0; k < frames.size(); ++k) {
        times << 100 + qint64(k) * interval;
        expected << rig.screen(frames.at(k));
    }
    QCOMPARE(rig.frameTimes, times);
    QCOMPARE(rig.frames(), expected);
    // Minimum duration in automatic play: the run-out starts the next entry at once.
    QCOMPARE(rig.host.nextEntryTimes, QList<qint64>{runOut});
    QCOMPARE(rig.animation->timer().interval(), 100);
    QVERIFY(rig.animation->timer().isEnabled());
}

void EntryAnimationTest::runOut_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("parameter");
    QTest::addColumn<int>("frameCount");
    QTest::addColumn<PlaybackMode>("mode");
    QTest::addColumn<bool>("preset");
    QTest::addColumn<bool>("paused");
    QTest::addColumn<bool>("cleared");
    QTest::addColumn<bool>("nextEntry");

    const auto automatic = PlaybackMode::Automatic;
    const auto manual = PlaybackMode::Manual;
    struct Kind {
        const char* name;
        const char* kind;
        const char* text;
        const char* parameter; // every kind steps once a second
        int frameCount;        // on 2 lines of 3 characters
        bool clearsWhenWaiting;
    };
    const Kind kinds[] = {{"Blocktext of 2 pages", "B", "A,B,C", "1", 2, true},
                          {"Blocktext of 1 page", "B", "A,B", "1", 1, false},
                          {"Scrolltext of 1 line", "S", "A", "1", 2, true},
                          {"Fliesstext", "F", "\"A\"", "10,1,X", 7, false}};
    for (const Kind& k : kinds) {
        auto row = [&](const char* situation) -> QTestData& {
            return QTest::addRow("%s, %s", k.name, situation)
                   << QString::fromLatin1(k.kind) << QString::fromLatin1(k.text)
                   << QString::fromLatin1(k.parameter) << k.frameCount;
        };
        row("automatic, minimum") << automatic << false << false << false << true;
        row("automatic, preset") << automatic << true << false << k.clearsWhenWaiting << false;
        row("manual") << manual << false << false << k.clearsWhenWaiting << false;
        row("manual with preset") << manual << true << false << k.clearsWhenWaiting << false;
        row("paused, go-on") << automatic << true << true << false << true;
        row("manual paused, go-on") << manual << false << true << false << true;
    }
}

void EntryAnimationTest::runOut() {
    QFETCH(QString, kind);
    QFETCH(QString, text);
    QFETCH(QString, parameter);
    QFETCH(int, frameCount);
    QFETCH(PlaybackMode, mode);
    QFETCH(bool, preset);
    QFETCH(bool, paused);
    QFETCH(bool, cleared);
    QFETCH(bool, nextEntry);

    AnimationRig rig(2, 3);
    rig.host.mode = mode;
    rig.host.preset = preset;
    rig.start(kind, text, parameter);
    rig.clock.advance(100 + qint64(frameCount - 1) * 1000);
    QCOMPARE(int(rig.frames().size()), frameCount);
    if (kind == "F") // the running line is blank, the fixed line stays
        QCOMPARE(rig.frames().last(), rig.screen({"", "X"}));

    if (paused) {
        rig.host.paused = true;
        rig.animation->timer().setEnabled(false);
        rig.animation->tick(EntryAnimation::Origin::GoOn);
    } else {
        rig.clock.advance(1000);
    }

    const QList<QByteArray> atRunOut = rig.frames().mid(frameCount);
    QCOMPARE(atRunOut, cleared ? QList<QByteArray>{rig.screen({})} : QList<QByteArray>{});
    QCOMPARE(!rig.host.nextEntryTimes.isEmpty(), nextEntry);
    // A next entry shows its first frame 100 ms later, also while paused; a text that waits
    // leaves the timer stopped.
    QCOMPARE(rig.animation->timer().isEnabled(), nextEntry);
    if (nextEntry)
        QCOMPARE(rig.animation->timer().interval(), 100);
}

void EntryAnimationTest::malformedParameterStopsOnce_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("parameter");
    QTest::addColumn<QString>("message");

    QTest::newRow("page time") << "B"
                               << "A"
                               << "x3"
                               << "Text 1, Spalte Parameter: 'x3' ist kein gültiger Integerwert";
    QTest::newRow("empty line time")
        << "S"
        << "A"
        << ""
        << "Text 1, Spalte Parameter: '' ist kein gültiger Integerwert";
    QTest::newRow("flow step") << "F"
                               << "\"A\""
                               << "a,1,X"
                               << "Text 1, Spalte Parameter: 'a' ist kein gültiger Integerwert";
    QTest::newRow("running line") << "F"
                                  << "\"A\""
                                  << "5,z"
                                  << "Text 1, Spalte Parameter: 'z' ist kein gültiger Integerwert";
}

void EntryAnimationTest::malformedParameterStopsOnce() {
    QFETCH(QString, kind);
    QFETCH(QString, text);
    QFETCH(QString, parameter);
    QFETCH(QString, message);

    AnimationRig rig(2, 3);
    rig.start(kind, text, parameter);
    rig.clock.advance(10000);
    QCOMPARE(rig.host.stops, QStringList{message});
    QVERIFY(rig.frames().isEmpty());
    QVERIFY(!rig.animation->timer().isEnabled());
    QVERIFY(!rig.animation->isAnimating());
    QVERIFY(rig.host.nextEntryTimes.isEmpty());
}

void EntryAnimationTest::timeBelowRangeRunsAtShortestStep_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("parameter");
    QTest::addColumn<QString>("shortest");
    QTest::newRow("page time 0") << "B"
                                 << "A,B"
                                 << "0"
                                 << "1";
    QTest::newRow("line time -3") << "S"
                                  << "A"
                                  << "-3"
                                  << "1";
    QTest::newRow("flow step 0") << "F"
                                 << "\"A\""
                                 << "0,1,X"
                                 << "1,1,X";
}

// A time below the editor's range, from a file written elsewhere, plays like the shortest
// time the editor allows instead of holding the show on this text.
void EntryAnimationTest::timeBelowRangeRunsAtShortestStep() {
    QFETCH(QString, kind);
    QFETCH(QString, text);
    QFETCH(QString, parameter);
    QFETCH(QString, shortest);
    AnimationRig below(2, 3);
    below.start(kind, text, parameter);
    below.clock.advance(10000);
    AnimationRig expected(2, 3);
    expected.start(kind, text, shortest);
    expected.clock.advance(10000);
    QVERIFY(below.host.stops.isEmpty());
    QVERIFY(!below.host.nextEntryTimes.isEmpty());
    QCOMPARE(below.host.nextEntryTimes, expected.host.nextEntryTimes);
    QCOMPARE(below.frameTimes, expected.frameTimes);
}

void EntryAnimationTest::speedChangeTakesEffectAtNextTick() {
    AnimationRig rig(1, 4);
    rig.start("B", "A,B,C,D", "1");
    rig.clock.advance(100);
    rig.host.speed = 500;
    rig.clock.advance(2000);
    // Page 1 keeps the interval set before the change; from its tick on pages come every
    // half second.
    QCOMPARE(rig.frameTimes, (QList<qint64>{100, 1100, 1600, 2100}));
}

void EntryAnimationTest::unknownKindKeepsImageAndTicking() {
    AnimationRig rig(1, 4);
    rig.start("block", "A", "1");
    rig.clock.advance(1000);
    QVERIFY(rig.frames().isEmpty());
    QVERIFY(rig.animation->timer().isEnabled());
    QVERIFY(rig.host.nextEntryTimes.isEmpty());
}

QTEST_GUILESS_MAIN(EntryAnimationTest)
#include "tst_entryanimation.moc"
