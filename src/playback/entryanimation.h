#pragma once

#include "playbackmode.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <memory>

class Clock;
class DisplayOutput;
class QObject;
class SequenceTable;
struct SequenceEntry;
class Timer;

// The timed animation of the current entry: each tick of its timer computes the next page,
// scroll frame or flow window from the entry's decoded cells, puts it into the display image and
// sends it. When the text has run out the tick decides, from the playback state, whether
// the display is cleared and whether the next entry starts.
class EntryAnimation final {
public:
    // What the tick reads from and asks of the playback controller.
    class Host {
    public:
        virtual ~Host() = default;
        virtual PlaybackMode playbackMode() const = 0;
        virtual bool isPaused() const = 0;
        // The current entry has a preset duration.
        virtual bool hasPresetDuration() const = 0;
        virtual int speedFactor() const = 0;
        virtual int currentEntryRow() const = 0;
        virtual void nextEntry() = 0;
        // A cell of the current entry did not convert; its animation has been stopped.
        virtual void animationStopped(const QString& message) = 0;
        // The text ran out and the board went blank.
        virtual void displayBlanked() {}
    };

    enum class Origin { Timer, GoOn };

    // The first frame of an entry comes this long after its start.
    static constexpr int StartDelayMs = 100;

    EntryAnimation(Host& host, const SequenceTable& table, DisplayOutput& output, Clock& clock,
                   QObject* timerOwner);
    ~EntryAnimation();
    EntryAnimation(const EntryAnimation&) = delete;
    EntryAnimation& operator=(const EntryAnimation&) = delete;

    // One tick. The go-on command runs it directly while playback is paused.
    void tick(Origin origin = Origin::Timer);

    // True while the current entry's animation runs. Only a change has an effect: on, the
    // timer starts afresh at 100 ms with the counters at 0; off, the timer stops.
    bool isAnimating() const { return m_animating; }
    void setAnimating(bool on);
    // An entry starts: the animation runs from its first frame, which comes StartDelayMs
    // from now whatever the timer was counting down (a page of the previous entry, say).
    void begin();
    // The animation ends and its timer stops, also one restarted by a run-out.
    void halt();
    void resetCounters();

    Timer& timer() { return *m_timer; }
    const Timer& timer() const { return *m_timer; }
    int pageIndex() const { return m_pageIndex; }
    int scrollIndex() const { return m_scrollIndex; }
    int flowIndex() const { return m_flowIndex; }

private:
    // Both return true when the text has run out at this tick.
    bool blockTick(const SequenceEntry& entry);
    bool scrollTick(const SequenceEntry& entry);
    void flowTick(const SequenceEntry& entry, Origin origin);
    // A block or scroll text's change time, in seconds, times the next tick.
    void timeInSeconds(int changeTime);
    // The text has run out: its animation ends, the display goes blank if asked, and the
    // next entry starts when it is due.
    void endText(bool blank);
    void closingSteps(bool ranOut);
    void restartForNextEntry();
    bool nextEntryDue() const;
    bool clearsOnRunOut() const;
    // Puts the lines into the display image and sends it.
    void showImage(const QList<QByteArray>& lines);

    Host& m_host;
    const SequenceTable& m_table;
    DisplayOutput& m_output;
    std::unique_ptr<Timer> m_timer;
    bool m_animating = false;
    int m_pageIndex = 0;
    int m_scrollIndex = 0;
    int m_flowIndex = 0;
};
