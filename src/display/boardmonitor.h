#pragma once

#include "boardoutput.h"

#include <QList>
#include <QObject>
#include <QSet>
#include <QString>

#include <memory>

class BoardFanOut;
class Clock;
class SerialPort;
class Timer;

// One board's state as the operator sees it.
struct BoardStatus {
    QString name;
    BoardOutput::State state = BoardOutput::State::Connected;
    qint64 bytesWaiting = 0;

    bool operator==(const BoardStatus& o) const {
        return name == o.name && state == o.state && bytesWaiting == o.bytesWaiting;
    }
    bool operator!=(const BoardStatus& o) const { return !(*this == o); }
};

// Looks at every board twice a second, the first board's port and the further boards'
// outputs alike, and publishes their states: lines for the supervision window, the board in
// trouble for the status line, and each board lost and back.
class BoardMonitor final : public QObject {
    Q_OBJECT

public:
    static constexpr int IntervalMs = 500;

    BoardMonitor(SerialPort& firstPort, BoardFanOut& boards, Clock& clock,
                 QObject* parent = nullptr);
    ~BoardMonitor() override;

    // Starts looking; the first look is at once.
    void start();
    void look();
    const QList<BoardStatus>& statuses() const { return m_statuses; }
    // "COM7: verbunden, 0 Bytes wartend"
    static QString describe(const BoardStatus& status);
    // Names the first board in trouble ("Anzeige tcp://10.0.0.20:4001 wird verbunden"), empty
    // when every board is fine.
    static QString troubleText(const QList<BoardStatus>& statuses);

signals:
    void statusesChanged(const QList<BoardStatus>& statuses);
    void troubleChanged(const QString& text);
    void boardLost(const QString& name);
    void boardBack(const QString& name);

private:
    BoardStatus firstBoardStatus();

    SerialPort& m_firstPort;
    BoardFanOut& m_boards;
    Clock& m_clock;
    std::unique_ptr<Timer> m_timer;
    QList<BoardStatus> m_statuses;
    QString m_trouble;
    QSet<QString> m_lost;
    qint64 m_firstQueued = 0;
    qint64 m_firstProgressMs = 0;
};
