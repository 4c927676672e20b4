#pragma once

#include "playbackcommand.h"
#include "playbackmode.h"

#include <QCoreApplication>
#include <QString>

// The one rule for which commands are open: derived from the mode and the pause alone.
// Controls read their enabled state from it, and a command that is not open is refused.
class CommandAvailability {
    Q_DECLARE_TR_FUNCTIONS(CommandAvailability)

public:
    static bool isEnabled(PlaybackCommand command, PlaybackMode mode, bool paused);
    // Why the command is not open in this state; empty when it is.
    static QString refusal(PlaybackCommand command, PlaybackMode mode, bool paused);
    // The sequence may be edited (file, table and entry commands) only while stopped.
    static bool editingAllowed(PlaybackMode mode) { return mode == PlaybackMode::Stopped; }
    // The command puts a frame on the board, so it needs a port. Manual mode, the pause, the
    // speed and following change the playback alone.
    static bool drivesTheBoard(PlaybackCommand command) {
        switch (command) {
        case PlaybackCommand::Manual:
        case PlaybackCommand::Pause:
        case PlaybackCommand::Speed:
        case PlaybackCommand::Follow:
            return false;
        default:
            return true;
        }
    }
};
