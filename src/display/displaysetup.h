#pragma once

// What the start-up decides about the board and the program's mode, once, from the settings:
// handed to each panel that needs it. The language is not here: it changes at run time.
struct DisplaySetup {
    int lineCount = 3;
    int columnCount = 24;
    // Letters may be shown in lower case; otherwise the editors store them in upper case.
    bool lowerCaseAllowed = false;
    // The board plays from its own memory: no live playback, the upload instead.
    bool offlineMode = false;
    // The shortest time between two frames in milliseconds.
    int frameTime = 0;
};
