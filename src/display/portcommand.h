#pragma once

#include <QCoreApplication>
#include <QString>

#include <functional>

class Prompter;
class SerialPort;

// The port command ("&COM-Port"): asks whether to change the port, lets the operator
// choose one, stores it, and offers retries; giving up leaves the program without a port.
class PortCommand {
    Q_DECLARE_TR_FUNCTIONS(PortCommand)

public:
    struct Hooks {
        // Stops the editor simulation, animation and duration timers.
        std::function<void()> stopTimers;
        // Stores the port number in the settings file (only that key).
        std::function<void(int portNumber)> storePortNumber;
        // The operator gave up choosing a port: the program goes on without one.
        std::function<void()> giveUp;
    };
    enum class Outcome { Unchanged, Opened, GaveUp };

    PortCommand(SerialPort& port, Prompter& prompter, Hooks hooks);

    Outcome choosePort();

    static QString changeQuestion(int portNumber);
    static QString retryQuestion(int portNumber);
    // The status after giving up: where a port is chosen later.
    static QString noPortStatus();

private:
    SerialPort& m_port;
    Prompter& m_prompter;
    Hooks m_hooks;
};
