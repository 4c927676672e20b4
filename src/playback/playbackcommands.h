#pragma once

#include "playbackcommand.h"
#include "playbackmode.h"
#include "shownentry.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <deque>
#include <functional>
#include <optional>

class PlaybackController;
class RowSelection;
class SequenceTable;

// The one way into playback: every input runs its commands here, and every listener learns
// here what happened. Commands never interleave: one that arrives while another is under
// way (a box opened from inside it, or a send waiting for room, runs a nested event loop) is
// queued and runs after it, in order. Anything else (a file dialog, the find window) holds
// no command back.
class PlaybackCommands final : public QObject {
    Q_OBJECT

public:
    // Called once with the request's final result: at once when it runs at once, after the
    // command under way when it was queued.
    using Completion = std::function<void(const CommandResult&)>;
    // A check the program adds before a request runs: why it cannot run now (for example,
    // no port is chosen and the request may not ask for one), or empty.
    using Precondition = std::function<QString(const PlaybackRequest&)>;

    PlaybackCommands(PlaybackController& controller, SequenceTable& table, RowSelection& selection,
                     QObject* parent = nullptr);
    ~PlaybackCommands() override;

    // Runs the request now, or queues it (Queued) behind the command under way. A refused
    // request is also published through commandRefused.
    CommandResult run(const PlaybackRequest& request, Completion onDone = {});
    void setPrecondition(Precondition check) { m_precondition = std::move(check); }

    // The enabled state of each command, by CommandAvailability's rule, for the current state.
    bool isEnabled(PlaybackCommand command) const;
    bool editingAllowed() const;

    // A command is under way (its nested event loops included).
    bool isBusy() const { return m_running.has_value(); }
    // No command runs, or the one under way may open a box.
    bool mayAsk() const;
    // For a place that would have to ask (the port selector) while mayAsk() is false: the
    // command under way ends refused with this reason.
    void refuseRunning(const QString& reason);

    // The grid row of the entry with this number ("120" and "00120" alike); 0 when none.
    int rowOfNumber(const QByteArray& number) const;
    PlaybackSnapshot snapshot() const;
    const ShownEntry& showing() const { return m_showing; }
    PlaybackMode mode() const;
    bool isPaused() const;
    int speedFactor() const;
    // The follow flag as the check box holds it, set without a command (the settings).
    void setFollowFlag(bool on);

signals:
    // An entry started: what the board shows now, and what started it (a command's origin,
    // or the duration timer or run-out of the previous entry).
    void entryStarted(const ShownEntry& entry, const CommandOrigin& origin);
    // Mode, pause, the entry on the board (blank included) or the speed changed.
    void stateChanged(const PlaybackSnapshot& state);
    void modeChanged(PlaybackMode mode);
    void pausedChanged(bool paused);
    // The enabled state of some commands changed: read isEnabled() again.
    void enabledStateChanged();
    void editingAllowedChanged(bool allowed);
    // The number of the entry started last ("Aktueller Text"), also of one skipped.
    void currentNumberChanged(const QByteArray& number);
    // Following is on and this grid row became current: the table shows it as its first row.
    void followRow(int row);
    // A cell of the played sequence does not convert; empty withdraws the report.
    void reportChanged(const QString& text);
    void commandRefused(const PlaybackRequest& request, const QString& reason);
    void commandFinished(const PlaybackRequest& request, const CommandResult& result);

private:
    struct Pending {
        PlaybackRequest request;
        Completion onDone;
    };

    CommandResult execute(const PlaybackRequest& request);
    CommandResult runNow(const PlaybackRequest& request);
    void finish(const PlaybackRequest& request, const CommandResult& result,
                const Completion& onDone);
    void watchController();
    // Mode or pause may have changed: the enabled state and the editing lock follow.
    void ruleInputsChanged();
    void stateTouched();
    QByteArray nextNumber() const;

    PlaybackController& m_controller;
    SequenceTable& m_table;
    RowSelection& m_selection;
    PlaybackMode m_mode;
    bool m_paused;
    std::optional<PlaybackRequest> m_running;
    QString m_refusalOfRunning;
    bool m_stateDirty = false;
    std::deque<Pending> m_queue;
    Precondition m_precondition;
    ShownEntry m_showing;
};
