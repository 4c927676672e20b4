#pragma once

#include <QByteArray>
#include <QString>

struct OscMessage;

// What a remote message asks for, once its address and arguments are read.
enum class RemoteCommand {
    Play,
    Manual,
    Stop,
    Pause,
    StartPause,
    First,
    Last,
    Previous,
    Next,
    GoTo,
    GoOn,
    Speed,
    State,
    Updates,
    Connect,
};

struct RemoteRequest {
    RemoteCommand command = RemoteCommand::State;
    // The text number, five digits; empty where the address takes none or none was given.
    QByteArray number;
    // Pause: -1 toggles, 0 or 1 sets. Speed: percent, 50 to 150. Updates: 0 or 1.
    int value = -1;
    QByteArray passcode;

    // Whether the request moves the playback (the lock refuses these).
    bool controlsPlayback() const;
};

// The address table of the remote: every address sits under "/lumentafel/". The reasons it
// gives go to the sender in English, the language of the wire.
namespace RemoteAddresses {

inline constexpr char Prefix[] = "/lumentafel/";
inline constexpr int LowestSpeed = 50;
inline constexpr int HighestSpeed = 150;

struct Parsed {
    // Under the prefix at all; messages to other addresses are not answered.
    bool ours = false;
    // The name the reply carries: /lumentafel/reply/<name>.
    QByteArray name;
    RemoteRequest request;
    // Why the message cannot be carried out; empty when it can.
    QString error;
};

Parsed parse(const OscMessage& message);
// The address's name for a command ("next", "startpause").
QByteArray nameOf(RemoteCommand command);
// A text number as the remote may give it, an integer or a string of digits ("120",
// "00120"), as the table writes it ("00120"); empty when it is none.
QByteArray textNumber(qint64 value);
QByteArray textNumber(const QByteArray& digits);

} // namespace RemoteAddresses
