#pragma once

#include <QString>

class QFileDevice;

// Makes what was written reach the disk before the program says "saved": a power cut right
// after a save must find either the old file or the new one whole, never an empty one.
// Where the system offers no such call (or needs none), both report success.
class FileSync final {
public:
    FileSync() = delete;

    // The contents (and size) of an open file.
    static bool contents(QFileDevice& file);
    // The folder's list of names: a file renamed into it stays renamed.
    static bool folder(const QString& path);
};
