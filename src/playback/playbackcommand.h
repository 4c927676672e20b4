#pragma once

#include <QByteArray>
#include <QMetaType>
#include <QString>

// The operator's playback commands. Keys, buttons, menu items and the remote control all run
// them through PlaybackCommands, which also says which of them are open in the current state.
enum class PlaybackCommand {
    Play,             // automatic play from the selected row
    PlayFromNumber,   // selects the entry with the request's number, then Play
    Stop,             // stops and blanks the board
    Manual,           // manual mode; nothing starts
    ManualFromNumber, // manual mode, then the entry with the request's number starts
    Pause,            // the request's pause change: on, off or toggle
    StartPaused,      // automatic play that pauses at once
    GoOn,             // the next step while paused
    First,
    Last,
    Previous,
    Next,
    GoToSelected, // the selected row's entry starts (manual mode)
    GoToNumber,   // selects the entry with the request's number and starts it (manual mode)
    Speed,        // the request's speed factor: 500 (150 %) to 1500 (50 %), 1000 nominal
    Follow,       // the request's flag; on scrolls the table to the current entry
};

// Where a command, or an entry that started without one, came from: the show log records it
// for every entry, the status line names a remote sender.
struct CommandOrigin {
    enum class Input {
        Program,       // the program itself (start-up, closing, tests)
        Key,           // a playback key, in whichever window has the focus
        Button,        // a control of the playback strip (buttons, speed bar, follow box)
        Menu,          // an item of the "Abspielen" menu
        Remote,        // the remote control; sender names the client
        DurationTimer, // no command: the entry's preset duration ran out
        TextRunOut,    // no command: the previous entry's text ran out (minimum duration)
    };

    Input input = Input::Program;
    // The remote client as the status line names it ("udp 192.168.1.20:53001"); else empty.
    QString sender;
    // False: the command never opens a box. Where it would ask (the port dialog when no port
    // is chosen) it is refused with the reason instead. The remote's origin is always false.
    bool mayAsk = true;

    static CommandOrigin program() { return {}; }
    static CommandOrigin key() { return {Input::Key, {}, true}; }
    static CommandOrigin button() { return {Input::Button, {}, true}; }
    static CommandOrigin menu() { return {Input::Menu, {}, true}; }
    static CommandOrigin remote(const QString& sender) { return {Input::Remote, sender, false}; }
    static CommandOrigin durationTimer() { return {Input::DurationTimer, {}, true}; }
    static CommandOrigin textRunOut() { return {Input::TextRunOut, {}, true}; }
};

// One command with its arguments and origin.
struct PlaybackRequest {
    enum class PauseChange { Off, On, Toggle };

    PlaybackCommand command = PlaybackCommand::Stop;
    // PlayFromNumber, ManualFromNumber, GoToNumber: a text number as given; "120" and
    // "00120" both name the entry 00120.
    QByteArray number;
    PauseChange pause = PauseChange::Toggle;
    int speedFactor = 1000;
    bool on = false; // Follow
    CommandOrigin origin;

    static PlaybackRequest of(PlaybackCommand command, CommandOrigin origin = {}) {
        PlaybackRequest r;
        r.command = command;
        r.origin = std::move(origin);
        return r;
    }
    static PlaybackRequest withNumber(PlaybackCommand command, const QByteArray& number,
                                      CommandOrigin origin = {}) {
        PlaybackRequest r = of(command, std::move(origin));
        r.number = number;
        return r;
    }
    static PlaybackRequest pauseChange(PauseChange change, CommandOrigin origin = {}) {
        PlaybackRequest r = of(PlaybackCommand::Pause, std::move(origin));
        r.pause = change;
        return r;
    }
    static PlaybackRequest speed(int factor, CommandOrigin origin = {}) {
        PlaybackRequest r = of(PlaybackCommand::Speed, std::move(origin));
        r.speedFactor = factor;
        return r;
    }
    // 50 to 150 as the buttons "50%", "100%", "150%" name it; a percentage outside that
    // range gives a factor the command refuses.
    static int speedFactorOfPercent(int percent) { return 2000 - 10 * percent; }
    static int percentOfSpeedFactor(int factor) { return (2000 - factor + 5) / 10; }
    static PlaybackRequest follow(bool on, CommandOrigin origin = {}) {
        PlaybackRequest r = of(PlaybackCommand::Follow, std::move(origin));
        r.on = on;
        return r;
    }
};

// What became of a request.
struct CommandResult {
    enum class Status {
        Done,    // carried out
        Queued,  // another command is under way: it runs after it, its result comes later
        Refused, // not carried out; reason says why in the operator's language
    };

    Status status = Status::Done;
    QString reason;

    bool done() const { return status == Status::Done; }
    static CommandResult ok() { return {}; }
    static CommandResult queued() { return {Status::Queued, {}}; }
    static CommandResult refused(const QString& reason) { return {Status::Refused, reason}; }
};

Q_DECLARE_METATYPE(PlaybackCommand)
Q_DECLARE_METATYPE(CommandOrigin)
Q_DECLARE_METATYPE(PlaybackRequest)
Q_DECLARE_METATYPE(CommandResult)
