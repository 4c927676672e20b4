#pragma once

#include "commandavailability.h"
#include "entryanimation.h"
#include "playbackmode.h"
#include "shownentry.h"

#include "sequence/sequencetable.h"

#include <QByteArray>
#include <QMetaObject>
#include <QPersistentModelIndex>
#include <QString>

#include <functional>
#include <memory>

class Clock;
class DisplayOutput;
struct EntryDecoding;
class QObject;
class RowSelection;
class Timer;

// Plays the sequence: decides which entry is current, starts it, moves on when its duration
// ends or its text has run out. Its one listener is PlaybackCommands, which runs the
// operations and publishes what the hooks report; nothing here touches a widget.
class PlaybackController final : private EntryAnimation::Host {
public:
    static constexpr int SlowestSpeed = 1500;
    static constexpr int NominalSpeed = 1000;
    static constexpr int FastestSpeed = 500;

    // What PlaybackCommands learns. Every hook may be left empty.
    struct Hooks {
        // Put the button of the mode down (raising the other two) without running anything.
        std::function<void(PlaybackMode)> showMode;
        // The Pause button, its menu check mark, the go-on key and the editor's kind tabs.
        std::function<void(bool paused)> showPaused;
        // The number of the entry started last.
        std::function<void(const QByteArray&)> showCurrentNumber;
        // Scroll the table so that the row is its first visible data row.
        std::function<void(int row)> scrollToRow;
        // A cell of the played sequence that does not convert. Shown without stopping the
        // show; empty text withdraws the report.
        std::function<void(const QString&)> report;
        // An entry started showing (an inactive one skipped does not); byDurationTimer when
        // the previous entry's preset duration started it.
        std::function<void(const ShownEntry&, bool byDurationTimer)> entryStarted;
        // The board went blank.
        std::function<void()> boardBlanked;
    };

    PlaybackController(SequenceTable& table, RowSelection& selection, DisplayOutput& output,
                       Clock& clock, QObject* timerOwner);
    ~PlaybackController() override;
    PlaybackController(const PlaybackController&) = delete;
    PlaybackController& operator=(const PlaybackController&) = delete;

    void setHooks(Hooks hooks);

    // The operator's commands.
    void play();
    void stop();
    void manual();
    // The Pause button went down or up.
    void setPaused(bool paused);
    void startPaused();
    void goOn();
    void first();
    void last();
    void previous();
    void next();
    void goToSelected();
    // Held to the range of the track bar; used from the next tick and the next entry.
    void setSpeedFactor(int factor);
    // The follow flag as the check box holds it (also when the settings set it).
    void setFollow(bool on) { m_follow = on; }
    // The check box was clicked: when now on, the table shows the current entry.
    void followClicked(bool on);

    // Operations other parts call.
    void startEntry(int row);
    void nextEntry() override;
    void previousEntry();
    // The port command freezes playback without changing the mode or the pause.
    void stopTimers();
    // The entry with this number is on the display and still timed: it must not be replaced.
    bool isRunning(const QByteArray& number) const;

    PlaybackMode playbackMode() const override { return m_mode; }
    bool isPaused() const override { return m_paused; }
    int currentEntryRow() const override { return m_currentEntryRow; }
    int speedFactor() const override { return m_speedFactor; }
    bool hasPresetDuration() const override { return m_hasPresetDuration; }
    bool follows() const { return m_follow; }
    // True while following the show moves the table's selection to the entry started.
    bool isFollowing() const { return m_following; }
    SequenceTable::Marker savedMarkColour() const { return m_savedMarkColour; }
    bool durationTimerHeld() const { return m_durationTimerHeld; }
    const QByteArray& currentNumber() const { return m_currentNumber; }
    // The one rule for the current state.
    bool isEnabled(PlaybackCommand command) const {
        return CommandAvailability::isEnabled(command, m_mode, m_paused);
    }
    EntryAnimation& animation() { return *m_animation; }
    Timer& textTimer() { return *m_textTimer; }

private:
    enum class Outcome { Unchanged, Started, SkipForward, SkipBack };

    Outcome startOne(int row);
    void armDuration(const EntryDecoding& decoding);
    void repaintRedMarker(SequenceTable::Marker colour);
    void waitWithBlankDisplay();
    int rowAfter(int row) const;
    int rowBefore(int row) const;
    bool sequenceEmpty() const { return !m_table.holdsEntry(1); }

    void setMode(PlaybackMode mode);
    void beginPause();
    void releasePause(bool resumeDuration);
    void putPauseUp(bool resumeDuration);
    void animationStopped(const QString& message) override;
    void displayBlanked() override;
    void report(const QString& message);
    void followCurrentEntryThroughSort();

    SequenceTable& m_table;
    RowSelection& m_selection;
    DisplayOutput& m_output;
    Hooks m_hooks;
    std::unique_ptr<EntryAnimation> m_animation;
    std::unique_ptr<Timer> m_textTimer;

    PlaybackMode m_mode = PlaybackMode::Stopped;
    bool m_paused = false;
    int m_currentEntryRow = 1;
    SequenceTable::Marker m_savedMarkColour = SequenceTable::Marker::Normal;
    bool m_durationTimerHeld = false;
    bool m_hasPresetDuration = false;
    int m_speedFactor = NominalSpeed;
    bool m_follow = false;
    bool m_following = false;
    QByteArray m_currentNumber;
    // The current entry's row while the table sorts, so that it goes on with its own entry.
    QPersistentModelIndex m_rowInSort;
    QMetaObject::Connection m_sortBegins;
    QMetaObject::Connection m_sortEnds;
    bool m_startedByDurationTimer = false;
};
