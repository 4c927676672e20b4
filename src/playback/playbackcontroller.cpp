#include "playbackcontroller.h"

#include "playbacktime.h"

#include "display/displayoutput.h"
#include "platform/clock.h"
#include "platform/timer.h"
#include "sequence/rowselection.h"
#include "sequence/sequenceentry.h"

#include <QScopedValueRollback>

#include <vector>

using Marker = SequenceTable::Marker;

PlaybackController::PlaybackController(SequenceTable& table, RowSelection& selection,
                                       DisplayOutput& output, Clock& clock, QObject* timerOwner)
    : m_table(table)
    , m_selection(selection)
    , m_output(output)
    , m_animation(std::make_unique<EntryAnimation>(static_cast<EntryAnimation::Host&>(*this), table,
                                                   output, clock, timerOwner))
    , m_textTimer(clock.createTimer(QStringLiteral("TextTimer"), 0, timerOwner)) {
    m_textTimer->setOnTimeout([this] {
        m_startedByDurationTimer = true;
        nextEntry();
        m_startedByDurationTimer = false;
    });
    followCurrentEntryThroughSort();
}

PlaybackController::~PlaybackController() {
    QObject::disconnect(m_sortBegins);
    QObject::disconnect(m_sortEnds);
}

void PlaybackController::setHooks(Hooks hooks) {
    m_hooks = std::move(hooks);
    if (m_hooks.showMode)
        m_hooks.showMode(m_mode);
    if (m_hooks.showPaused)
        m_hooks.showPaused(m_paused);
    if (m_hooks.showCurrentNumber)
        m_hooks.showCurrentNumber(m_currentNumber);
}

void PlaybackController::play() {
    setMode(PlaybackMode::Automatic);
    if (sequenceEmpty()) {
        setMode(PlaybackMode::Stopped);
        return;
    }
    report(QString());
    startEntry(m_selection.selectedRow());
    if (m_paused)
        putPauseUp(m_durationTimerHeld);
}

void PlaybackController::stop() {
    setMode(PlaybackMode::Stopped);
    if (m_paused)
        putPauseUp(m_durationTimerHeld);
    m_textTimer->setEnabled(false);
    // A text that had run out leaves its timer running after a pause is released; Stop must
    // leave the display blank all the same.
    m_animation->halt();
    m_output.blankDisplay();
    displayBlanked();
    m_savedMarkColour = Marker::Normal;
    repaintRedMarker(Marker::Normal);
    m_currentEntryRow = m_selection.selectedRow();
    report(QString());
}

void PlaybackController::manual() {
    setMode(PlaybackMode::Manual);
    if (sequenceEmpty()) {
        setMode(PlaybackMode::Stopped);
        return;
    }
    m_textTimer->setEnabled(false);
    if (m_paused)
        putPauseUp(false);
}

void PlaybackController::setPaused(bool paused) {
    if (paused == m_paused)
        return;
    if (!isEnabled(PlaybackCommand::Pause)) {
        // Not open in this state: the button goes back.
        if (m_hooks.showPaused)
            m_hooks.showPaused(m_paused);
        return;
    }
    m_paused = paused;
    if (paused)
        beginPause();
    else
        releasePause(m_durationTimerHeld);
}

void PlaybackController::startPaused() {
    if (m_mode != PlaybackMode::Automatic)
        play();
    if (!m_paused && isEnabled(PlaybackCommand::Pause))
        setPaused(true);
}

void PlaybackController::goOn() {
    if (isEnabled(PlaybackCommand::GoOn))
        m_animation->tick(EntryAnimation::Origin::GoOn);
}

void PlaybackController::first() {
    if (isEnabled(PlaybackCommand::First))
        startEntry(1);
}

void PlaybackController::last() {
    if (isEnabled(PlaybackCommand::First))
        startEntry(m_table.gridRowCount() - 1);
}

void PlaybackController::previous() {
    if (isEnabled(PlaybackCommand::First))
        previousEntry();
}

void PlaybackController::next() {
    if (isEnabled(PlaybackCommand::First))
        nextEntry();
}

void PlaybackController::goToSelected() {
    if (isEnabled(PlaybackCommand::First))
        startEntry(m_selection.selectedRow());
}

void PlaybackController::setSpeedFactor(int factor) {
    m_speedFactor = qBound(FastestSpeed, factor, SlowestSpeed);
}

void PlaybackController::followClicked(bool on) {
    m_follow = on;
    if (!on)
        return;
    if (m_hooks.scrollToRow)
        m_hooks.scrollToRow(m_currentEntryRow);
    m_selection.select(m_currentEntryRow);
}

void PlaybackController::startEntry(int row) {
    // An inactive entry hands on to its neighbour. Once every row has been skipped there is
    // nothing to play: the walk ends there instead of going round for ever.
    std::vector<bool> skipped(size_t(m_table.gridRowCount()), false);
    int skippedCount = 0;
    for (;;) {
        const Outcome outcome = startOne(row);
        if (outcome == Outcome::Unchanged || outcome == Outcome::Started)
            return;
        const size_t skippedRow = size_t(m_currentEntryRow);
        if (skippedRow < skipped.size() && !skipped[skippedRow]) {
            skipped[skippedRow] = true;
            ++skippedCount;
        }
        if (skippedCount >= m_table.gridRowCount() - 1) {
            waitWithBlankDisplay();
            return;
        }
        row = outcome == Outcome::SkipForward ? rowAfter(m_currentEntryRow)
                                              : rowBefore(m_currentEntryRow);
    }
}

void PlaybackController::nextEntry() {
    startEntry(rowAfter(m_currentEntryRow));
}

void PlaybackController::previousEntry() {
    startEntry(rowBefore(m_currentEntryRow));
}

void PlaybackController::stopTimers() {
    // The animation ends rather than only its timer: the next entry that starts animates
    // afresh instead of finding it still marked as running.
    m_animation->halt();
    m_textTimer->setEnabled(false);
}

bool PlaybackController::isRunning(const QByteArray& number) const {
    return (m_animation->timer().isEnabled() || m_textTimer->isEnabled()) &&
           number == m_currentNumber;
}

PlaybackController::Outcome PlaybackController::startOne(int row) {
    if (!m_table.holdsEntry(row))
        return Outcome::Unchanged;
    const EntryDecoding decoding = SequenceEntry::decodeEach(
        m_table.rowCells(row), {SequenceTable::NumberColumn, SequenceTable::ActiveColumn,
                                SequenceTable::DurationColumn, SequenceTable::TextColumn});
    const SequenceEntry& entry = decoding.entry;
    repaintRedMarker(m_savedMarkColour);
    const Marker colour = m_table.marker(row);
    m_savedMarkColour =
        colour == Marker::Marked || colour == Marker::Playing ? colour : Marker::Normal;
    m_table.setMarker(row, Marker::Playing);
    m_currentNumber = entry.number;
    if (m_hooks.showCurrentNumber)
        m_hooks.showCurrentNumber(m_currentNumber);
    if (m_follow) {
        if (m_hooks.scrollToRow)
            m_hooks.scrollToRow(row);
        const QScopedValueRollback<bool> following(m_following, true);
        m_selection.select(row);
    }
    armDuration(decoding);

    const int previous = m_currentEntryRow;
    m_currentEntryRow = row;
    m_animation->resetCounters();
    if (entry.isInactive())
        return row > previous || row == 1 ? Outcome::SkipForward : Outcome::SkipBack;
    // The first frame comes 100 ms from now, also when the previous entry's animation was
    // still running: its timer may be well into a long page time.
    m_animation->begin();
    if (m_hooks.entryStarted)
        m_hooks.entryStarted(ShownEntry{entry.number, entry.kind, entry.lines, row},
                             m_startedByDurationTimer);
    return Outcome::Started;
}

void PlaybackController::armDuration(const EntryDecoding& decoding) {
    // Only a preset duration needs its seconds.
    bool preset = decoding.entry.hasPresetDuration();
    if (const CellConversionError* error = decoding.errorOf(SequenceTable::DurationColumn);
        error && preset) {
        // Reported without halting the show: the entry plays as if it had no preset
        // duration, so the sequence moves on when its text has run out.
        report(error->locatedMessage(decoding.entry.number));
        preset = false;
    }
    m_hasPresetDuration = preset;
    // An entry started while paused holds its own duration until the pause ends, not that
    // of the entry that was current when the pause began.
    if (m_paused)
        m_durationTimerHeld = preset && m_mode == PlaybackMode::Automatic;
    if (!preset) {
        m_textTimer->setEnabled(false);
        return;
    }
    m_textTimer->setInterval(
        PlaybackTime::fromSeconds(decoding.entry.durationSeconds, m_speedFactor));
    if (m_mode == PlaybackMode::Automatic && !m_paused)
        m_textTimer->setEnabled(true);
}

// The entry that was started last shows red; it gets back its own colour. That row is
// looked for rather than taken from CurrentEntryRow: a commit may have sorted it elsewhere,
// and at start-up or after Stop the current row is merely the selected one, whose mark must
// stay.
void PlaybackController::repaintRedMarker(SequenceTable::Marker colour) {
    for (int row = 1; row < m_table.gridRowCount(); ++row) {
        if (m_table.marker(row) == Marker::Playing)
            m_table.setMarker(row, colour);
    }
}

void PlaybackController::waitWithBlankDisplay() {
    m_hasPresetDuration = false;
    m_textTimer->setEnabled(false);
    m_animation->halt();
    m_output.blankDisplay();
    displayBlanked();
}

int PlaybackController::rowAfter(int row) const {
    return row >= m_table.gridRowCount() - 1 ? 1 : row + 1;
}

int PlaybackController::rowBefore(int row) const {
    return row > 1 ? row - 1 : m_table.gridRowCount() - 1;
}

void PlaybackController::setMode(PlaybackMode mode) {
    m_mode = mode;
    if (m_hooks.showMode)
        m_hooks.showMode(mode);
}

void PlaybackController::beginPause() {
    m_durationTimerHeld = m_textTimer->isEnabled();
    m_textTimer->setEnabled(false);
    m_animation->timer().setEnabled(false);
    if (m_hooks.showPaused)
        m_hooks.showPaused(true);
}

void PlaybackController::releasePause(bool resumeDuration) {
    if (resumeDuration && m_hasPresetDuration)
        m_textTimer->setEnabled(true);
    m_animation->timer().setEnabled(true);
    if (m_hooks.showPaused)
        m_hooks.showPaused(false);
}

void PlaybackController::putPauseUp(bool resumeDuration) {
    m_paused = false;
    releasePause(resumeDuration);
}

// A commit during a show may add an entry and sort the table. The current entry moves with
// its row, so the animation, the next entry and the red marker go on from where it now
// stands rather than from its old position, which may hold another entry.
void PlaybackController::followCurrentEntryThroughSort() {
    m_sortBegins = QObject::connect(&m_table, &QAbstractItemModel::layoutAboutToBeChanged, [this] {
        // The model counts data rows from 0.
        m_rowInSort = QPersistentModelIndex(m_table.index(m_currentEntryRow - 1, 0));
    });
    m_sortEnds = QObject::connect(&m_table, &QAbstractItemModel::layoutChanged, [this] {
        if (m_rowInSort.isValid())
            m_currentEntryRow = m_rowInSort.row() + 1;
        m_rowInSort = QPersistentModelIndex();
    });
}

void PlaybackController::animationStopped(const QString& message) {
    report(message);
}

void PlaybackController::displayBlanked() {
    if (m_hooks.boardBlanked)
        m_hooks.boardBlanked();
}

void PlaybackController::report(const QString& message) {
    if (m_hooks.report)
        m_hooks.report(message);
}
