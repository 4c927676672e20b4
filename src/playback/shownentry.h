#pragma once

#include "playbackmode.h"

#include "sequence/textkind.h"

#include <QByteArray>
#include <QList>
#include <QMetaType>

// The entry the board shows: its number, kind and text lines (a flowing text's one line).
// An empty number means the board is blank.
struct ShownEntry {
    QByteArray number;
    TextKind kind = TextKind::None;
    QList<QByteArray> lines;
    // The grid row it started from (the table may sort it elsewhere later).
    int row = 0;

    bool isBlank() const { return number.isEmpty(); }
};

// The playback state as listeners and the remote's state reply see it.
struct PlaybackSnapshot {
    PlaybackMode mode = PlaybackMode::Stopped;
    bool paused = false;
    ShownEntry showing;
    // The number of the entry after the current one (the next active entry); empty when none.
    QByteArray nextNumber;
    // 50 to 150, as the speed buttons name it.
    int speedPercent = 100;
};

Q_DECLARE_METATYPE(ShownEntry)
Q_DECLARE_METATYPE(PlaybackSnapshot)
