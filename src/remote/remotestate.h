#pragma once

#include <QByteArray>
#include <QList>

// What the remote reports of the playback: the state, the entry the board shows and the one
// after it, the speed. Texts are Windows-1252 bytes as the table keeps them.
struct RemoteState {
    enum class State { Stopped, Playing, Manual, Paused };
    enum class Kind { None, Block, Scroll, Flow };

    State state = State::Stopped;
    // Empty while the board is blank.
    QByteArray number;
    Kind kind = Kind::None;
    QList<QByteArray> lines;
    QByteArray next;
    // Percent, 50 to 150.
    int speed = 100;

    // One JSON object in UTF-8, the keys in this order:
    // {"state": "playing", "number": "00120", "kind": "block", "lines": ["..."],
    //  "next": "00130", "speed": 100}
    QByteArray toJson() const;

    bool operator==(const RemoteState& other) const {
        return state == other.state && number == other.number && kind == other.kind &&
               lines == other.lines && next == other.next && speed == other.speed;
    }
    bool operator!=(const RemoteState& other) const { return !(*this == other); }
};
