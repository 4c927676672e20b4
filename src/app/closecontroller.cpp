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
    m_shuttingDown = true;
    m_host.stopEditorSimulation();
    if (!m_host.offlineMode())
        m_host.stopPlayback();
    m_host.writeSettings();
    drainOutput();
    m_closeTimer->setEnabled(true);
    return false;
}

void CloseController::closeWithoutSaving() {
    m_shuttingDown = true;
    m_closeTimer->setEnabled(true);
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
