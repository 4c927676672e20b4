#include "closecontroller.h"

#include "platform/clock.h"
#include "platform/eventpump.h"
#include "platform/serialport.h"
#include "platform/stallwatch.h"

CloseController::CloseController(Host& host, SerialPort& port, EventPump& pump, Clock& clock,
                                 QObject* timerOwner)
    : m_host(host)
    , m_port(port)
    , m_pump(pump)
    , m_clock(clock)
    , m_closeTimer(clock.createTimer(QStringLiteral("CloseTimer"), CloseDelayMs, timerOwner)) {
    m_closeTimer->setOnTimeout([this] { finishClose(); });
}

CloseController::~CloseController() = default;

bool CloseController::closeQuery(bool interactive) {
    if (m_closePassTag)
        return true;
    // A request that arrives while the first pass waits, or while CloseTimer runs, must
    // not ask its questions or write the settings a second time.
    if (m_shuttingDown)
        return false;
    if (interactive) {
        m_host.askToCommitPendingEntry();
        if (!m_host.askToSaveModifiedSequence())
            return false;
    }
    beginShutdown();
    m_host.stopEditorSimulation();
    if (!m_host.offlineMode())
        m_host.stopPlayback();
    m_host.writeSettings();
    drainOutput();
    m_closeTimer->setEnabled(true);
    return false;
}

void CloseController::closeWithoutSaving() {
    beginShutdown();
    m_closeTimer->setEnabled(true);
}

void CloseController::beginShutdown() {
    m_shuttingDown = true;
    // Nothing on the way out may ask: a port dialog would hold the close open for as long as
    // nobody answers it, and the session's end or SIGTERM would never finish. A port that is
    // chosen may still open to be blanked; without one there is no board to blank.
    m_port.setPortSelector({});
}

void CloseController::finishClose() {
    m_closeTimer->setEnabled(false);
    m_closePassTag = true;
    m_host.closeMainWindow();
}

void CloseController::drainOutput() {
    StallWatch watch(m_clock, m_port.bytesQueued(), StalledDrainMs);
    while (m_port.bytesQueued() > 0) {
        m_pump.processPendingEvents();
        if (watch.stalled(m_port.bytesQueued()))
            return;
    }
}
