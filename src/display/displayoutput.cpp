#include "displayoutput.h"

#include "displaygeometry.h"
#include "screenframe.h"

#include "platform/clock.h"
#include "platform/eventpump.h"
#include "platform/serialport.h"
#include "platform/stallwatch.h"

#include <QScopeGuard>

#include <exception>

DisplayOutput::DisplayOutput(SerialPort& port, EventPump& pump, Clock& clock)
    : m_port(port)
    , m_pump(pump)
    , m_clock(clock) {
}

void DisplayOutput::setGeometry(int lineCount, int columnCount) {
    const DisplayGeometry geometry = DisplayGeometry::fromSettings(lineCount, columnCount);
    m_lineCount = geometry.lineCount;
    m_columnCount = geometry.columnCount;
}

void DisplayOutput::sendDisplayImage() {
    const quint64 sendNumber = ++m_latestSend;
    ++m_sendsUnderWay;
    const auto done = qScopeGuard([this] { --m_sendsUnderWay; });
    try {
        if (m_mirror) {
            for (int i = 0; i < m_lineCount; ++i)
                m_mirror(i, m_image.line(i));
        }
        const QByteArray frame = ScreenFrame::build(m_image, m_lineCount, m_columnCount);
        if (m_outputEnabled && m_frameSink)
            m_frameSink(frame);
        switch (waitForRoom(frame.size(), sendNumber)) {
        case WaitResult::Ready:
            break;
        case WaitResult::Overtaken:
            // A newer image went out while this one waited; sending this one now would
            // step the display back.
            return;
        case WaitResult::Stalled:
            showStatus(unavailableMessage(m_port.portNumber()));
            return;
        }
        if (m_outputEnabled)
            m_port.writeText(frame);
        showStatus(QString());
    } catch (const std::exception&) {
        showStatus(unavailableMessage(m_port.portNumber()));
    } catch (...) {
        showStatus(unavailableMessage(m_port.portNumber()));
    }
}

bool DisplayOutput::isSending() const {
    return m_sendsUnderWay > 0 || m_port.bytesQueued() > 0;
}

void DisplayOutput::blankDisplay() {
    m_image.clearFirst(m_lineCount);
    sendDisplayImage();
}

// Room means: at most one frame's worth (plus a little) still queued, and the new frame fits
// the output buffer behind what is queued. An empty queue never waits: waiting cannot make
// more room, and a frame that does not fit an empty buffer is the write's failure to report.
bool DisplayOutput::mustWait(qsizetype frameSize) const {
    const qint64 queued = m_port.bytesQueued();
    if (queued <= 0)
        return false;
    const qint64 limit = qint64(m_lineCount) * m_columnCount + 10;
    return queued > limit || queued + frameSize > m_port.outputBufferSize();
}

DisplayOutput::WaitResult DisplayOutput::waitForRoom(qsizetype frameSize, quint64 sendNumber) {
    if (!mustWait(frameSize))
        return WaitResult::Ready;
    StallWatch watch(m_clock, m_port.bytesQueued(), StallTimeoutMs);
    for (;;) {
        m_pump.processPendingEvents();
        if (sendNumber != m_latestSend)
            return WaitResult::Overtaken;
        if (!mustWait(frameSize))
            return WaitResult::Ready;
        if (watch.stalled(m_port.bytesQueued()))
            return WaitResult::Stalled;
    }
}

void DisplayOutput::showStatus(const QString& text) {
    if (!m_status)
        return;
    try {
        m_status(text);
    } catch (...) {
        // The status bar is only a report; a failing one must not undo the send.
    }
}

QString DisplayOutput::unavailableMessage(int portNumber) {
    return tr("Ausgabe nicht möglich, da COM-Port%1 nicht verfügbar").arg(portNumber);
}
