#include "boardoutput.h"

#include "platform/clock.h"
#include "platform/timer.h"

#include <QCoreApplication>

BoardOutput::BoardOutput(QString name, Clock& clock, QObject* parent)
    : QObject(parent)
    , m_name(std::move(name))
    , m_clock(clock)
    , m_retryTimer(clock.createTimer(QStringLiteral("BoardRetry"), FirstRetryMs, this))
    , m_watchTimer(clock.createTimer(QStringLiteral("BoardWatch"), WatchIntervalMs, this)) {
    m_retryTimer->setOnTimeout([this] { attempt(); });
    m_watchTimer->setOnTimeout([this] { watch(); });
}

BoardOutput::~BoardOutput() = default;

qint64 BoardOutput::bytesWaiting() const {
    const qint64 queued = m_linkUp ? linkBytesQueued() : 0;
    return queued + (m_frameHeld ? m_currentFrame.size() : 0);
}

void BoardOutput::start() {
    attempt();
}

void BoardOutput::sendFrame(const QByteArray& frame) {
    m_currentFrame = frame;
    m_frameHeld = true;
    if (m_linkUp)
        writeHeldFrame();
}

bool BoardOutput::sendBytes(const QByteArray& bytes) {
    if (!m_linkUp)
        return false;
    return writeToLink(bytes);
}

void BoardOutput::attempt() {
    m_retryTimer->setEnabled(false);
    if (m_linkUp)
        return;
    // An attempt that has not come through by the next one's time is started afresh.
    armRetry();
    connectLink();
}

void BoardOutput::armRetry() {
    m_armedRetryMs = m_nextRetryMs;
    m_retryTimer->setInterval(m_nextRetryMs);
    m_retryTimer->setEnabled(true);
    m_nextRetryMs = qMin(2 * m_nextRetryMs, LastRetryMs);
}

void BoardOutput::linkUp() {
    if (m_linkUp)
        return;
    m_linkUp = true;
    m_retryTimer->setEnabled(false);
    m_nextRetryMs = FirstRetryMs;
    m_armedRetryMs = 0;
    m_lastQueued = 0;
    m_lastProgressMs = m_clock.nowMs();
    setState(State::Connected);
    m_watchTimer->setEnabled(true);
    // The board that comes back shows what the others show.
    if (!m_currentFrame.isEmpty()) {
        m_frameHeld = true;
        writeHeldFrame();
    }
}

void BoardOutput::linkDown(const QString& reason) {
    if (!m_linkUp)
        return; // a failed attempt: the next one is armed already
    m_linkUp = false;
    m_watchTimer->setEnabled(false);
    disconnectLink();
    setState(State::Reconnecting);
    emit lost(reason);
    armRetry();
}

void BoardOutput::watch() {
    if (!m_linkUp)
        return;
    if (!linkStillUp()) {
        linkDown(tr("Verbindung verloren"));
        return;
    }
    const qint64 queued = linkBytesQueued();
    const qint64 now = m_clock.nowMs();
    if (queued < m_lastQueued || queued == 0)
        m_lastProgressMs = now;
    m_lastQueued = queued;
    if (m_frameHeld)
        writeHeldFrame();
    if (!m_linkUp)
        return;
    const bool stalled = (queued > 0 || m_frameHeld) && now - m_lastProgressMs >= StallTimeoutMs;
    setState(stalled ? State::Stalled : State::Connected);
}

void BoardOutput::writeHeldFrame() {
    if (!hasRoomFor(m_currentFrame.size()))
        return;
    if (!writeToLink(m_currentFrame)) {
        if (!linkStillUp())
            linkDown(tr("Verbindung verloren"));
        return;
    }
    m_frameHeld = false;
}

// Room means at most one frame's worth still on its way: the board falls behind by one frame
// at most, and a board that stops taking bytes holds the newest frame, not a pile of old ones.
bool BoardOutput::hasRoomFor(qsizetype frameSize) const {
    return linkBytesQueued() <= frameSize;
}

void BoardOutput::setState(State state) {
    if (state == m_state)
        return;
    m_state = state;
    emit stateChanged(state);
}

QString BoardOutput::stateText(State state) {
    switch (state) {
    case State::Connected:
        return tr("verbunden");
    case State::Reconnecting:
        return tr("wird verbunden");
    case State::Stalled:
        return tr("blockiert");
    }
    return {};
}
