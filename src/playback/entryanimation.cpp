#include "entryanimation.h"

#include "animationframes.h"
#include "playbacktime.h"

#include "display/displayoutput.h"
#include "platform/clock.h"
#include "platform/timer.h"
#include "sequence/sequenceentry.h"
#include "sequence/sequencetable.h"

EntryAnimation::EntryAnimation(Host& host, const SequenceTable& table, DisplayOutput& output,
                               Clock& clock, QObject* timerOwner)
    : m_host(host)
    , m_table(table)
    , m_output(output)
    , m_timer(clock.createTimer(QStringLiteral("Timer2"), StartDelayMs, timerOwner)) {
    m_timer->setOnTimeout([this] { tick(Origin::Timer); });
}

EntryAnimation::~EntryAnimation() = default;

void EntryAnimation::setAnimating(bool on) {
    if (on == m_animating)
        return;
    m_animating = on;
    if (on) {
        m_timer->setInterval(StartDelayMs);
        m_timer->setEnabled(true);
        resetCounters();
    } else {
        m_timer->setEnabled(false);
    }
}

void EntryAnimation::begin() {
    m_animating = true;
    resetCounters();
    // Stopped first, so that the countdown starts afresh even at the same interval.
    m_timer->setEnabled(false);
    m_timer->setInterval(StartDelayMs);
    m_timer->setEnabled(true);
}

void EntryAnimation::halt() {
    setAnimating(false);
    // A run-out restarts the timer for the next entry with the animation already off.
    m_timer->setEnabled(false);
}

void EntryAnimation::resetCounters() {
    m_pageIndex = 0;
    m_scrollIndex = 0;
    m_flowIndex = 0;
}

void EntryAnimation::tick(Origin origin) {
    // The cells are read afresh at every tick: a commit may have changed the entry.
    const SequenceTable::Cells cells = m_table.rowCells(m_host.currentEntryRow());
    const EntryDecoding decoding = SequenceEntry::decodeEach(
        cells, {SequenceTable::TextColumn, SequenceTable::ParameterColumn});
    if (const CellConversionError* error = decoding.errorOf(SequenceTable::ParameterColumn)) {
        // The same cell would fail at every tick: this entry's animation ends here, reported
        // once. Another entry, or a go-on, starts afresh.
        halt();
        m_host.animationStopped(error->locatedMessage(cells[SequenceTable::NumberColumn]));
        return;
    }
    const SequenceEntry& entry = decoding.entry;
    switch (entry.kind) {
    case TextKind::Block:
        closingSteps(blockTick(entry));
        break;
    case TextKind::Scroll:
        closingSteps(scrollTick(entry));
        break;
    case TextKind::Flow:
        flowTick(entry, origin);
        break;
    case TextKind::None:
        break;
    }
}

bool EntryAnimation::blockTick(const SequenceEntry& entry) {
    timeInSeconds(entry.changeTime);
    const QList<QByteArray>& lines = entry.lines;
    const int lineCount = m_output.lineCount();
    const qint64 first = qint64(m_pageIndex) * lineCount;
    const int n = int(lines.size());
    if (first < n) {
        m_pageIndex += 1;
        showImage(AnimationFrames::window(lines, first, lineCount));
        return false;
    }
    m_pageIndex = 0;
    endText(n > lineCount && clearsOnRunOut());
    return true;
}

bool EntryAnimation::scrollTick(const SequenceEntry& entry) {
    timeInSeconds(entry.changeTime);
    const QList<QByteArray>& lines = entry.lines;
    const int lineCount = m_output.lineCount();
    const int s = m_scrollIndex;
    const int n = int(lines.size());
    if (s - lineCount + 1 < n) {
        m_scrollIndex += 1;
        showImage(AnimationFrames::window(lines, s - (lineCount - 1), lineCount));
        return false;
    }
    m_scrollIndex = 0;
    endText(clearsOnRunOut());
    return true;
}

void EntryAnimation::flowTick(const SequenceEntry& entry, Origin origin) {
    // A step below the editor's range (from a file written elsewhere) would stop the timer
    // for good and hold the show on this text: it runs at the shortest step instead.
    const int step = qMax(1, entry.flowStep);
    m_timer->setInterval(PlaybackTime::fromTenths(step, m_host.speedFactor()));

    const int columnCount = m_output.columnCount();
    // The line break at the end reaches the display as two blanks.
    const QByteArray run = AnimationFrames::runString(entry.flowText(), columnCount) + "\r\n";

    if (origin == Origin::GoOn) {
        m_host.nextEntry();
        restartForNextEntry();
        return;
    }
    if (run.size() < m_flowIndex) {
        m_flowIndex = 0;
        endText(false);
        return;
    }
    const QByteArray window = AnimationFrames::flowWindow(run, m_flowIndex, columnCount);
    m_flowIndex += 1;
    showImage(AnimationFrames::flowLines(window, entry.runningLine, entry.fixedLines,
                                         m_output.lineCount()));
}

void EntryAnimation::timeInSeconds(int changeTime) {
    // As for the flow step: a time below one second would never turn the page.
    const int seconds = qMax(1, changeTime);
    m_timer->setInterval(PlaybackTime::fromSeconds(seconds, m_host.speedFactor()));
}

void EntryAnimation::endText(bool blank) {
    setAnimating(false);
    if (blank) {
        m_output.blankDisplay();
        m_host.displayBlanked();
    }
    if (nextEntryDue())
        m_host.nextEntry();
}

void EntryAnimation::closingSteps(bool ranOut) {
    // Mode, pause and duration are read now: a NextEntry of the run-out may have started
    // another entry.
    if (m_host.isPaused())
        m_timer->setEnabled(false);
    const bool minimumInAutomatic =
        m_host.playbackMode() != PlaybackMode::Manual && !m_host.hasPresetDuration();
    if (ranOut && (minimumInAutomatic || m_host.isPaused()))
        restartForNextEntry();
}

void EntryAnimation::restartForNextEntry() {
    m_timer->setInterval(StartDelayMs);
    m_timer->setEnabled(true);
    resetCounters();
}

// A run-out moves on by itself after a minimum duration in automatic play, and always at a
// go-on while paused.
bool EntryAnimation::nextEntryDue() const {
    return (!m_host.hasPresetDuration() && m_host.playbackMode() == PlaybackMode::Automatic) ||
           m_host.isPaused();
}

// A text that waits for its duration or for the operator leaves the display.
bool EntryAnimation::clearsOnRunOut() const {
    return !m_host.isPaused() &&
           (m_host.playbackMode() == PlaybackMode::Manual || m_host.hasPresetDuration());
}

void EntryAnimation::showImage(const QList<QByteArray>& lines) {
    for (int i = 0; i < lines.size(); ++i)
        m_output.image().setLine(i, lines.at(i));
    m_output.sendDisplayImage();
}
