#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class BoardOutput;
class Clock;
struct BoardAddress;
class EventPump;
class Prompter;
class SerialPort;

// What the program runs on: the real clock, boxes and port, or a test's doubles.
struct ProgramServices {
    Clock& clock;
    EventPump& pump;
    Prompter& prompter;
    SerialPort& port;
    // The items of the port selection dialog ("COM1", ...), built each time it is needed.
    std::function<QStringList()> listPorts;
    // The name the program was started under, exactly as given.
    QString argv0;
    // The executable's folder when argv0 has none (started through the search path).
    QString fallbackDir;
    // Where the settings file lives when the executable's folder cannot be written.
    QString configDir;
    // Screen size for keeping windows reachable; empty: the primary screen's.
    int screenWidth = 0;
    int screenHeight = 0;
    // A sequence file named on the command line, opened at start-up instead of the last one.
    QString sequenceFile{};
    // Makes the output of a board beside the first; empty: a serial port or a TCP connection
    // as the address says.
    std::function<std::unique_ptr<BoardOutput>(const BoardAddress&)> makeBoard{};
    // Where the show log's day files go; empty: the platform's application data folder.
    QString showLogFolder{};
    // Opens a file in the system's viewer (the show log); empty: the desktop's.
    std::function<void(const QString& path)> openFile{};
};
