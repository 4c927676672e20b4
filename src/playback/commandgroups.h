#pragma once

#include "playbackmode.h"

#include <QStringList>

// Which groups of commands the operator may use. The controller changes them step by step
// as its operations run; the window enables the controls of each group by object name.
struct CommandGroups {
    bool navigation = false;
    bool editing = true;
    bool pause = false;
    bool goOn = false;

    // What a settled state opens: the state table of the playback modes.
    static CommandGroups forState(PlaybackMode mode, bool paused);

    // Object names of the controls of each group, buttons and menu items alike. Some belong
    // to other windows (the marking list); a name that no control carries is skipped.
    static const QStringList& navigationNames();
    static const QStringList& editingNames();
    static const QStringList& pauseNames();
    static const QStringList& goOnNames();

    bool operator==(const CommandGroups& other) const {
        return navigation == other.navigation && editing == other.editing && pause == other.pause &&
               goOn == other.goOn;
    }
    bool operator!=(const CommandGroups& other) const { return !(*this == other); }
};
