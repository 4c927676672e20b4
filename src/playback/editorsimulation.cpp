#include "editorsimulation.h"

#include "animationframes.h"
#include "playbacktime.h"

#include "platform/clock.h"
#include "platform/timer.h"

EditorSimulation::EditorSimulation(Hooks hooks, Clock& clock, QObject* parent)
    : QObject(parent)
    , m_hooks(std::move(hooks))
    , m_timer(clock.createTimer(QStringLiteral("Timer1"), StartDelayMs, this)) {
    m_timer->setOnTimeout([this] { tick(); });
}

EditorSimulation::~EditorSimulation() = default;

void EditorSimulation::setRunning(bool on) {
    if (on == m_running)
        return;
    m_running = on;
    if (on) {
        m_timer->setInterval(StartDelayMs);
        m_timer->setEnabled(true);
        m_pageIndex = 0;
        m_scrollIndex = 0;
        m_flowIndex = 0;
    } else {
        m_timer->setEnabled(false);
    }
    emit runningChanged(on);
}

void EditorSimulation::stop() {
    m_timer->setEnabled(false);
}

bool EditorSimulation::isTicking() const {
    return m_timer->isEnabled();
}

void EditorSimulation::tick() {
    const SequenceEntry entry = m_hooks.editedEntry();
    const DisplaySetup display = m_hooks.display();
    const int speedFactor = m_hooks.speedFactor();
    switch (entry.kind) {
    case TextKind::Block:
        m_hooks.showPreview(blockFrame(entry, display.lineCount, speedFactor));
        break;
    case TextKind::Scroll:
        m_hooks.showPreview(scrollFrame(entry, display.lineCount, speedFactor));
        break;
    case TextKind::Flow:
        m_hooks.showPreview(flowFrame(entry, display, speedFactor));
        break;
    case TextKind::None:
        break;
    }
}

QList<QByteArray> EditorSimulation::blockFrame(const SequenceEntry& entry, int lineCount,
                                               int speedFactor) {
    m_timer->setInterval(PlaybackTime::fromSeconds(qMax(1, entry.changeTime), speedFactor));
    // Page 0 follows the last page directly: no blank frame, no run-out.
    if (entry.lines.size() <= qint64(m_pageIndex) * lineCount)
        m_pageIndex = 0;
    const qint64 first = qint64(m_pageIndex) * lineCount;
    m_pageIndex += 1;
    return AnimationFrames::window(entry.lines, first, lineCount);
}

QList<QByteArray> EditorSimulation::scrollFrame(const SequenceEntry& entry, int lineCount,
                                                int speedFactor) {
    m_timer->setInterval(PlaybackTime::fromSeconds(qMax(1, entry.changeTime), speedFactor));
    // After the last line has left the top, one blank frame, then the text enters again.
    if (m_scrollIndex - lineCount >= entry.lines.size())
        m_scrollIndex = 0;
    const int top = m_scrollIndex - (lineCount - 1);
    m_scrollIndex += 1;
    return AnimationFrames::window(entry.lines, top, lineCount);
}

QList<QByteArray> EditorSimulation::flowFrame(const SequenceEntry& entry,
                                              const DisplaySetup& display, int speedFactor) {
    m_timer->setInterval(PlaybackTime::fromTenths(qMax(1, entry.flowStep), speedFactor));
    // Unlike playback's, the run ends with the text itself: no line break passes through.
    const QByteArray run = AnimationFrames::runString(entry.flowText(), display.columnCount);
    if (run.size() < m_flowIndex)
        m_flowIndex = 0;
    const QByteArray window = AnimationFrames::flowWindow(run, m_flowIndex, display.columnCount);
    m_flowIndex += 1;
    return AnimationFrames::flowLines(window, entry.runningLine, entry.fixedLines,
                                      display.lineCount);
}
