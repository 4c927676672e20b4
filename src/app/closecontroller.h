#pragma once

#include <memory>

class Clock;
class EventPump;
class QObject;
class SerialPort;
class Timer;

// The two-pass close of the main window. The first pass asks its questions, stops the
// display, writes the settings, lets the serial output drain and arms CloseTimer; the
// timer's tick closes the window for good.
class CloseController {
public:
    // What the close needs from the main window.
    class Host {
    public:
        virtual ~Host() = default;
        // Offers to take the editor's pending changes into the table.
        virtual void askToCommitPendingEntry() = 0;
        // The question about a modified sequence; false when the operator cancels.
        virtual bool askToSaveModifiedSequence() = 0;
        virtual void stopEditorSimulation() = 0;
        // Puts the Stop button down and runs Stop, which blanks the display.
        virtual void stopPlayback() = 0;
        virtual void writeSettings() = 0;
        virtual bool offlineMode() const = 0;
        // Closes the main window again; FormCloseQuery then allows it.
        virtual void closeMainWindow() = 0;
    };

    // A drain that makes no progress for this long is given up (a stalled line).
    static constexpr int StalledDrainMs = 2000;
    static constexpr int CloseDelayMs = 500;

    CloseController(Host& host, SerialPort& port, EventPump& pump, Clock& clock,
                    QObject* timerOwner);
    ~CloseController();

    // Every close request. True when the window may close now. `interactive` false skips
    // the questions (the session or the system is ending the program).
    bool closeQuery(bool interactive = true);
    // Arms the delayed close without any of the first pass (the port command gave up).
    void closeWithoutSaving();
    void finishClose();

    Timer& closeTimer() { return *m_closeTimer; }
    // The close pass tag: once set, every close request closes at once.
    bool closePassTag() const { return m_closePassTag; }
    bool shuttingDown() const { return m_shuttingDown; }

private:
    void beginShutdown();
    void drainOutput();

    Host& m_host;
    SerialPort& m_port;
    EventPump& m_pump;
    Clock& m_clock;
    std::unique_ptr<Timer> m_closeTimer;
    bool m_closePassTag = false;
    bool m_shuttingDown = false;
};
