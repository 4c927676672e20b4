#include "boardmonitor.h"

#include "boardfanout.h"

#include "platform/clock.h"
#include "platform/serialport.h"
#include "platform/timer.h"

BoardMonitor::BoardMonitor(SerialPort& firstPort, BoardFanOut& boards, Clock& clock,
                           QObject* parent)
    : QObject(parent)
    , m_firstPort(firstPort)
    , m_boards(boards)
    , m_clock(clock)
    , m_timer(clock.createTimer(QStringLiteral("BoardMonitor"), IntervalMs, this)) {
    m_timer->setOnTimeout([this] { look(); });
}

BoardMonitor::~BoardMonitor() = default;

void BoardMonitor::start() {
    m_firstProgressMs = m_clock.nowMs();
    m_timer->setEnabled(true);
    look();
}

BoardStatus BoardMonitor::firstBoardStatus() {
    BoardStatus status;
    status.name = QStringLiteral("COM%1").arg(m_firstPort.portNumber());
    if (!m_firstPort.isOpen()) {
        status.state = BoardOutput::State::Reconnecting;
        return status;
    }
    const qint64 queued = m_firstPort.bytesQueued();
    const qint64 now = m_clock.nowMs();
    if (queued == 0 || queued < m_firstQueued)
        m_firstProgressMs = now;
    m_firstQueued = queued;
    status.bytesWaiting = queued;
    status.state = now - m_firstProgressMs >= BoardOutput::StallTimeoutMs
                       ? BoardOutput::State::Stalled
                       : BoardOutput::State::Connected;
    return status;
}

void BoardMonitor::look() {
    QList<BoardStatus> statuses;
    // Without a chosen port the program runs without the first board.
    if (m_firstPort.portNumber() > 0)
        statuses.append(firstBoardStatus());
    for (int i = 0; i < m_boards.count(); ++i) {
        const BoardOutput& output = m_boards.output(i);
        statuses.append(BoardStatus{output.name(), output.state(), output.bytesWaiting()});
    }
    for (const BoardStatus& now : statuses) {
        for (const BoardStatus& before : m_statuses) {
            if (before.name != now.name || before.state == now.state)
                continue;
            if (now.state == BoardOutput::State::Reconnecting) {
                m_lost.insert(now.name);
                emit boardLost(now.name);
            } else if (before.state == BoardOutput::State::Reconnecting &&
                       m_lost.remove(now.name)) {
                // Only a board that was lost comes back; the first connection is no return.
                emit boardBack(now.name);
            }
        }
    }
    if (statuses != m_statuses) {
        m_statuses = statuses;
        emit statusesChanged(m_statuses);
    }
    const QString trouble = troubleText(m_statuses);
    if (trouble != m_trouble) {
        m_trouble = trouble;
        emit troubleChanged(trouble);
    }
}

QString BoardMonitor::describe(const BoardStatus& status) {
    return tr("%1: %2, %3 Bytes wartend")
        .arg(status.name, BoardOutput::stateText(status.state))
        .arg(status.bytesWaiting);
}

QString BoardMonitor::troubleText(const QList<BoardStatus>& statuses) {
    for (const BoardStatus& status : statuses) {
        if (status.state == BoardOutput::State::Reconnecting)
            return tr("Anzeige %1 nicht erreichbar, wird verbunden").arg(status.name);
        if (status.state == BoardOutput::State::Stalled)
            return tr("Anzeige %1 blockiert").arg(status.name);
    }
    return {};
}
