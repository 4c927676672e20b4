#include "playbackrig.h"

#include "playback/playbackcommands.h"
#include "playback/playbackcontroller.h"
#include "sequence/rowselection.h"

#include <QSignalSpy>
#include <QTest>

namespace {

struct CommandsRig : DisplayRig {
    RowSelection selection{table};
    PlaybackController controller{table, selection, output, clock, nullptr};
    PlaybackCommands commands{controller, table, selection};
    // Every request finished, as "<command> <result>", in order.
    QStringList finished;

    CommandsRig()
        : DisplayRig(1, 4) {
        // Three entries of one page each, shown for a second.
        setRows({{"00120", "JA", "B", "A", "1", "M1"},
                 {"00130", "JA", "B", "B", "1", "M1"},
                 {"X7", "JA", "B", "C", "1", "M1"}});
        QObject::connect(&commands, &PlaybackCommands::commandFinished,
                         [this](const PlaybackRequest& request, const CommandResult& result) {
                             finished
                                 << QString::number(int(request.command)) + " " + describe(result);
                         });
    }
    static QString describe(const CommandResult& result) {
        switch (result.status) {
        case CommandResult::Status::Done:
            return "ok";
        case CommandResult::Status::Queued:
            return "queued";
        case CommandResult::Status::Refused:
            return "refused: " + result.reason;
        }
        return {};
    }
    QString run(const PlaybackRequest& request) { return describe(commands.run(request)); }
};

QString name(PlaybackCommand command) {
    return QString::number(int(command));
}

} // namespace

class PlaybackCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void numberedCommands_data();
    void numberedCommands();
    void commandsDuringAnotherWaitForIt();
    void commandsOutsideACommandRunAtOnce();
    void commandThatMayNotAskIsRefused();
    void entriesReportWhatStartedThem();
    void speedOutOfRangeIsRefused();
};

void PlaybackCommandsTest::numberedCommands_data() {
    QTest::addColumn<bool>("manualFirst");
    QTest::addColumn<int>("command");
    QTest::addColumn<QByteArray>("number");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QByteArray>("current");
    QTest::addColumn<int>("mode");

    const int go = int(PlaybackCommand::GoToNumber);
    const int play = int(PlaybackCommand::PlayFromNumber);
    const int manual = int(PlaybackCommand::ManualFromNumber);
    const int automatic = int(PlaybackMode::Automatic);
    const int manualMode = int(PlaybackMode::Manual);
    const int stopped = int(PlaybackMode::Stopped);
    QTest::newRow("go to, as written")
        << true << go << QByteArray("00130") << "ok" << QByteArray("00130") << manualMode;
    QTest::newRow("go to, without zeros")
        << true << go << QByteArray("130") << "ok" << QByteArray("00130") << manualMode;
    QTest::newRow("go to, letters, other case")
        << true << go << QByteArray("x7") << "ok" << QByteArray("X7") << manualMode;
    QTest::newRow("go to, missing")
        << true << go << QByteArray("140") << "refused: Text 140 gibt es nicht." << QByteArray()
        << manualMode;
    QTest::newRow("go to, part of a number")
        << true << go << QByteArray("13") << "refused: Text 13 gibt es nicht." << QByteArray()
        << manualMode;
    QTest::newRow("go to, empty") << true << go << QByteArray(" ")
                                  << "refused: Keine Textnummer angegeben." << QByteArray()
                                  << manualMode;
    QTest::newRow("go to, while stopped")
        << false << go << QByteArray("120") << "refused: Das geht nur im manuellen Ablauf."
        << QByteArray() << stopped;
    QTest::newRow("play from") << false << play << QByteArray("130") << "ok" << QByteArray("00130")
                               << automatic;
    QTest::newRow("play from, missing")
        << false << play << QByteArray("7") << "refused: Text 7 gibt es nicht." << QByteArray()
        << stopped;
    QTest::newRow("manual from") << false << manual << QByteArray("0120") << "ok"
                                 << QByteArray("00120") << manualMode;
    QTest::newRow("manual from, missing")
        << false << manual << QByteArray("abc") << "refused: Text abc gibt es nicht."
        << QByteArray() << stopped;
}

// A number names its entry with or without leading zeros; one that names no entry is an
// error and changes nothing.
void PlaybackCommandsTest::numberedCommands() {
    QFETCH(bool, manualFirst);
    QFETCH(int, command);
    QFETCH(QByteArray, number);
    QFETCH(QString, result);
    QFETCH(QByteArray, current);
    QFETCH(int, mode);

    CommandsRig rig;
    if (manualFirst)
        rig.run(PlaybackRequest::of(PlaybackCommand::Manual));
    QSignalSpy refused(&rig.commands, &PlaybackCommands::commandRefused);
    QSignalSpy started(&rig.commands, &PlaybackCommands::entryStarted);
    QCOMPARE(rig.run(PlaybackRequest::withNumber(PlaybackCommand(command), number,
                                                 CommandOrigin::remote("udp 127.0.0.1:9"))),
             result);
    QCOMPARE(refused.size(), result == "ok" ? 0 : 1);
    QCOMPARE(int(rig.controller.playbackMode()), mode);
    QCOMPARE(rig.commands.showing().number, current);
    QCOMPARE(started.size(), current.isEmpty() ? 0 : 1);
    rig.clock.advance(100);
    QCOMPARE(rig.frames().size(), current.isEmpty() ? 0 : 1);
}

// A send waiting for room processes events: commands that arrive meanwhile wait for the one
// under way and then run in order.
void PlaybackCommandsTest::commandsDuringAnotherWaitForIt() {
    CommandsRig rig;
    rig.run(PlaybackRequest::withNumber(PlaybackCommand::ManualFromNumber, "120"));
    rig.clock.advance(100);
    rig.finished.clear();
    rig.port.setQueued(1000);
    QStringList inner;
    QStringList completions;
    rig.pump.setHook([&] {
        if (rig.pump.calls() == 1) {
            inner << CommandsRig::describe(rig.commands.run(
                PlaybackRequest::of(PlaybackCommand::Manual), [&](const CommandResult& r) {
                    completions << "manual " + CommandsRig::describe(r);
                }));
            inner << CommandsRig::describe(
                rig.commands.run(PlaybackRequest::withNumber(PlaybackCommand::GoToNumber, "130"),
                                 [&](const CommandResult& r) {
                                     completions << "go to " + CommandsRig::describe(r);
                                 }));
            // Still stopping: the go-to is not open yet, and nothing ran.
            QCOMPARE(rig.controller.playbackMode(), PlaybackMode::Stopped);
        }
        if (rig.pump.calls() == 3)
            rig.port.setQueued(0);
    });
    QCOMPARE(rig.run(PlaybackRequest::of(PlaybackCommand::Stop)), QString("ok"));
    QCOMPARE(inner, (QStringList{"queued", "queued"}));
    QCOMPARE(completions, (QStringList{"manual ok", "go to ok"}));
    QCOMPARE(rig.finished, (QStringList{name(PlaybackCommand::Stop) + " ok",
                                        name(PlaybackCommand::Manual) + " ok",
                                        name(PlaybackCommand::GoToNumber) + " ok"}));
    QCOMPARE(rig.controller.playbackMode(), PlaybackMode::Manual);
    QCOMPARE(rig.commands.showing().number, QByteArray("00130"));
    QVERIFY(!rig.commands.isBusy());
}

// A wait that is not part of a command (the animation's own frame) holds no command back.
void PlaybackCommandsTest::commandsOutsideACommandRunAtOnce() {
    CommandsRig rig;
    rig.run(PlaybackRequest::of(PlaybackCommand::Play));
    rig.clock.advance(100);
    rig.port.setQueued(1000);
    QString inner;
    rig.pump.setHook([&] {
        if (rig.pump.calls() == 1) {
            inner = rig.run(PlaybackRequest::of(PlaybackCommand::Manual));
            rig.port.setQueued(0);
        }
    });
    rig.clock.advance(1100); // the next entry's first frame waits for room
    QCOMPARE(inner, QString("ok"));
    QCOMPARE(rig.controller.playbackMode(), PlaybackMode::Manual);
}

// Where the command would open the port dialog, one that may not ask is refused instead.
void PlaybackCommandsTest::commandThatMayNotAskIsRefused() {
    CommandsRig rig;
    rig.port.setPortNumber(0);
    int asked = 0;
    rig.port.setPortSelector([&] {
        if (!rig.commands.mayAsk()) {
            rig.commands.refuseRunning("Kein COM-Port");
            return 0;
        }
        ++asked;
        return 1;
    });
    QCOMPARE(rig.run(PlaybackRequest::of(PlaybackCommand::Stop, CommandOrigin::remote("tcp 1"))),
             QString("refused: Kein COM-Port"));
    QCOMPARE(asked, 0);
    QCOMPARE(rig.run(PlaybackRequest::of(PlaybackCommand::Stop, CommandOrigin::key())),
             QString("ok"));
    QCOMPARE(asked, 1);
    // A check added by the program refuses before anything runs.
    rig.commands.setPrecondition(
        [](const PlaybackRequest& r) { return r.origin.mayAsk ? QString() : QString("gesperrt"); });
    QCOMPARE(rig.run(PlaybackRequest::of(PlaybackCommand::Play, CommandOrigin::remote("x"))),
             QString("refused: gesperrt"));
    QCOMPARE(rig.controller.playbackMode(), PlaybackMode::Stopped);
}

// The show log learns which input started each entry, and any number of listeners hear it.
void PlaybackCommandsTest::entriesReportWhatStartedThem() {
    CommandsRig rig;
    rig.table.setCell(SequenceTable::DurationColumn, 2, "V2");
    QList<CommandOrigin::Input> first;
    QStringList second;
    QObject::connect(
        &rig.commands, &PlaybackCommands::entryStarted,
        [&](const ShownEntry&, const CommandOrigin& origin) { first << origin.input; });
    QObject::connect(&rig.commands, &PlaybackCommands::entryStarted,
                     [&](const ShownEntry& entry, const CommandOrigin& origin) {
                         second << QString::fromLatin1(entry.number + " " + entry.lines.join('|')) +
                                       " " + origin.sender;
                     });
    rig.run(PlaybackRequest::of(PlaybackCommand::Play, CommandOrigin::key()));
    rig.clock.advance(1100); // entry 1 runs out; entry 2 has a preset duration of 2 s
    rig.clock.advance(2000);
    rig.run(PlaybackRequest::of(PlaybackCommand::Manual));
    rig.run(PlaybackRequest::of(PlaybackCommand::First, CommandOrigin::remote("udp 127.0.0.1:5")));
    using I = CommandOrigin::Input;
    QCOMPARE(first, (QList<I>{I::Key, I::TextRunOut, I::DurationTimer, I::Remote}));
    QCOMPARE(second, (QStringList{"00120 A ", "00130 B ", "X7 C ", "00120 A udp 127.0.0.1:5"}));
    const PlaybackSnapshot state = rig.commands.snapshot();
    QCOMPARE(state.mode, PlaybackMode::Manual);
    QCOMPARE(state.nextNumber, QByteArray("00130"));
    QSignalSpy changes(&rig.commands, &PlaybackCommands::stateChanged);
    rig.run(PlaybackRequest::of(PlaybackCommand::Stop));
    QCOMPARE(changes.size(), 1); // once per command
    QVERIFY(changes.at(0).at(0).value<PlaybackSnapshot>().showing.isBlank());
}

void PlaybackCommandsTest::speedOutOfRangeIsRefused() {
    CommandsRig rig;
    QCOMPARE(rig.run(PlaybackRequest::speed(PlaybackRequest::speedFactorOfPercent(151))),
             QString("refused: Die Geschwindigkeit geht von 50 bis 150 %."));
    QCOMPARE(rig.run(PlaybackRequest::speed(PlaybackRequest::speedFactorOfPercent(50))),
             QString("ok"));
    QCOMPARE(rig.controller.speedFactor(), 1500);
    QCOMPARE(rig.commands.snapshot().speedPercent, 50);
}

QTEST_GUILESS_MAIN(PlaybackCommandsTest)
#include "tst_playbackcommands.moc"
