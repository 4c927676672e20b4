#pragma once

#include "display/displaysetup.h"
#include "sequence/sequenceentry.h"

#include <QByteArray>
#include <QList>
#include <QObject>

#include <functional>
#include <memory>

class Clock;
class Timer;

// The preview beside the entry editor plays the text being edited, as playback would show
// it on the board, over and over: the kind of the active tab, its timings and the speed
// factor, all read afresh at every tick so that edits show at the next frame. It shows its
// frames only in the preview; the board, its image and playback's state stay untouched.
class EditorSimulation final : public QObject {
    Q_OBJECT

public:
    // What a tick reads and where its frame goes.
    struct Hooks {
        // The entry as the editor's fields hold it now, of the active tab's kind: the block
        // or scroll text's editor lines, the flowing text as typed, the timings, the running
        // line and the fixed lines.
        std::function<SequenceEntry()> editedEntry;
        // The board's lines and columns.
        std::function<DisplaySetup()> display;
        std::function<int()> speedFactor;
        std::function<void(const QList<QByteArray>&)> showPreview;
    };

    // The first frame comes this long after the simulation is switched on.
    static constexpr int StartDelayMs = 100;

    EditorSimulation(Hooks hooks, Clock& clock, QObject* parent = nullptr);
    ~EditorSimulation() override;

    // The check box: on starts every kind afresh from its first frame, 100 ms later; off
    // stops the ticks and the preview keeps its last frame. Only a change has an effect.
    void setRunning(bool on);
    // Switched on: the simulation owns the preview lines. Stays true while stop() holds the
    // ticks, as the check box stays ticked.
    bool isRunning() const { return m_running; }
    // The ticks stop while the box stays ticked (closing, changing the port). Ticking the
    // box again after unticking it starts afresh.
    void stop();
    // The timer runs.
    bool isTicking() const;

    // One frame of the edited text into the preview; the timer calls it.
    void tick();

    Timer& timer() { return *m_timer; }
    int pageIndex() const { return m_pageIndex; }
    int scrollIndex() const { return m_scrollIndex; }
    int flowIndex() const { return m_flowIndex; }

signals:
    void runningChanged(bool running);

private:
    // Each gives the frame and sets the interval to the next one; a text that has run out
    // starts again at its first frame.
    QList<QByteArray> blockFrame(const SequenceEntry& entry, int lineCount, int speedFactor);
    QList<QByteArray> scrollFrame(const SequenceEntry& entry, int lineCount, int speedFactor);
    QList<QByteArray> flowFrame(const SequenceEntry& entry, const DisplaySetup& display,
                                int speedFactor);

    Hooks m_hooks;
    std::unique_ptr<Timer> m_timer;
    bool m_running = false;
    // The simulation's own counters, apart from playback's.
    int m_pageIndex = 0;
    int m_scrollIndex = 0;
    int m_flowIndex = 0;
};
