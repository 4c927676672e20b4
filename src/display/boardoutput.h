#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <memory>

class Clock;
class Timer;

// One board's output: its own queue, its own error handling, its own reconnection. Nothing
// here ever waits: a frame that cannot go out at once is held, and only the newest held frame
// matters (an older one would step the board back). A subclass only moves bytes over its link
// (a serial port, a TCP connection to a serial device server) and reports when the link comes
// up or goes down.
//
// A link that goes down is tried again after 1 s, then after twice the previous delay, up to
// 10 s between attempts; once it is back, the board gets the current frame at once.
class BoardOutput : public QObject {
    Q_OBJECT

public:
    enum class State { Connected, Reconnecting, Stalled };

    static constexpr int FirstRetryMs = 1000;
    static constexpr int LastRetryMs = 10000;
    // How often bytes waiting on the link are looked at.
    static constexpr int WatchIntervalMs = 100;
    // Bytes that have not gone down for this long: the board is stalled.
    static constexpr qint64 StallTimeoutMs = 2000;

    BoardOutput(QString name, Clock& clock, QObject* parent = nullptr);
    ~BoardOutput() override;

    const QString& name() const { return m_name; }
    State state() const { return m_state; }
    bool isConnected() const { return m_linkUp; }
    // Bytes on their way on the link plus a frame held back.
    qint64 bytesWaiting() const;
    // The delay of the attempt to reach the board that is armed; 0 while connected.
    int retryDelayMs() const { return m_armedRetryMs; }
    // The frame the board should show (the last one handed over).
    const QByteArray& currentFrame() const { return m_currentFrame; }

    // The first attempt to reach the board, at once.
    void start();
    // Hands the newest frame over; never waits.
    void sendFrame(const QByteArray& frame);
    // Bytes that must arrive whole and in order (an upload): queued now, false when the board
    // is not reached or its link refuses them.
    bool sendBytes(const QByteArray& bytes);
    // Hands whatever is queued to the system without waiting (on the way out).
    virtual void flush() {}

    static QString stateText(State state);

signals:
    void stateChanged(BoardOutput::State state);
    // The link went down; the reason as the system gave it.
    void lost(const QString& reason);
    void received(const QByteArray& bytes);

protected:
    // Starts reaching the board; calls linkUp() once reached (now or later), linkDown() when
    // the attempt failed.
    virtual void connectLink() = 0;
    virtual void disconnectLink() = 0;
    // False once the link closed by itself (a device that vanished).
    virtual bool linkStillUp() const { return true; }
    virtual qint64 linkBytesQueued() const = 0;
    // Queues the bytes; false when the link refused them.
    virtual bool writeToLink(const QByteArray& bytes) = 0;

    void linkUp();
    void linkDown(const QString& reason);
    void deliverReceived(const QByteArray& bytes) { emit received(bytes); }

private:
    void attempt();
    void armRetry();
    void watch();
    void writeHeldFrame();
    bool hasRoomFor(qsizetype frameSize) const;
    void setState(State state);

    QString m_name;
    Clock& m_clock;
    std::unique_ptr<Timer> m_retryTimer;
    std::unique_ptr<Timer> m_watchTimer;
    State m_state = State::Reconnecting;
    bool m_linkUp = false;
    int m_nextRetryMs = FirstRetryMs;
    int m_armedRetryMs = 0;
    QByteArray m_currentFrame;
    bool m_frameHeld = false;
    qint64 m_lastQueued = 0;
    qint64 m_lastProgressMs = 0;
};
