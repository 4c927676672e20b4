#pragma once

// The display's size as the program can hold it. The stored Zeilen and Stellen values are
// not checked by whoever edits the settings file; this rule brings them into range.
struct DisplayGeometry {
    // The supervision window has this many line fields.
    static constexpr int MaxLines = 151;
    // One whole frame, STX and ETX included, must fit the 63000-byte output buffer.
    static constexpr int MaxFrameCharacters = 62998;

    int lineCount = 3;
    int columnCount = 24;
    // True when the rule changed the stored values.
    bool adjusted = false;

    // Lines clamped to 1..MaxLines, then columns clamped to 1..MaxFrameCharacters / lineCount.
    static DisplayGeometry fromSettings(int lines, int columns);
};
