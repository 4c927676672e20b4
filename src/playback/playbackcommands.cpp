#include "playbackcommands.h"

#include "commandavailability.h"
#include "playbackcontroller.h"

#include "sequence/rowselection.h"
#include "sequence/sequenceentry.h"
#include "sequence/sequencetable.h"

namespace {

bool allDigits(const QByteArray& text) {
    if (text.isEmpty())
        return false;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

QByteArray withoutLeadingZeros(const QByteArray& digits) {
    qsizetype i = 0;
    while (i + 1 < digits.size() && digits.at(i) == '0')
        ++i;
    return digits.mid(i);
}

} // namespace

PlaybackCommands::PlaybackCommands(PlaybackController& controller, SequenceTable& table,
                                   RowSelection& selection, QObject* parent)
    : QObject(parent)
    , m_controller(controller)
    , m_table(table)
    , m_selection(selection)
    , m_mode(controller.playbackMode())
    , m_paused(controller.isPaused()) {
    qRegisterMetaType<PlaybackCommand>();
    qRegisterMetaType<CommandOrigin>();
    qRegisterMetaType<PlaybackRequest>();
    qRegisterMetaType<CommandResult>();
    qRegisterMetaType<ShownEntry>();
    qRegisterMetaType<PlaybackSnapshot>();
    watchController();
}

PlaybackCommands::~PlaybackCommands() {
    m_controller.setHooks({});
}

CommandResult PlaybackCommands::run(const PlaybackRequest& request, Completion onDone) {
    if (m_running) {
        m_queue.push_back({request, std::move(onDone)});
        return CommandResult::queued();
    }
    const CommandResult result = runNow(request);
    finish(request, result, onDone);
    // What arrived meanwhile runs now, in order; a completion may itself have run a command.
    while (!m_running && !m_queue.empty()) {
        Pending next = std::move(m_queue.front());
        m_queue.pop_front();
        finish(next.request, runNow(next.request), next.onDone);
    }
    return result;
}

bool PlaybackCommands::isEnabled(PlaybackCommand command) const {
    return m_controller.isEnabled(command);
}

bool PlaybackCommands::editingAllowed() const {
    return CommandAvailability::editingAllowed(m_controller.playbackMode());
}

bool PlaybackCommands::mayAsk() const {
    return !m_running || m_running->origin.mayAsk;
}

void PlaybackCommands::refuseRunning(const QString& reason) {
    if (m_running && m_refusalOfRunning.isEmpty())
        m_refusalOfRunning = reason;
}

int PlaybackCommands::rowOfNumber(const QByteArray& number) const {
    const QByteArray wanted = number.trimmed();
    if (wanted.isEmpty())
        return 0;
    if (const int row = m_table.findNumber(wanted))
        return row;
    // "120" names the entry 00120: numbers of digits alone compare by value.
    if (!allDigits(wanted))
        return 0;
    const QByteArray value = withoutLeadingZeros(wanted);
    for (int row = 1; row < m_table.gridRowCount(); ++row) {
        const QByteArray cell = m_table.cell(SequenceTable::NumberColumn, row);
        if (allDigits(cell) && withoutLeadingZeros(cell) == value)
            return row;
    }
    return 0;
}

PlaybackMode PlaybackCommands::mode() const {
    return m_controller.playbackMode();
}

bool PlaybackCommands::isPaused() const {
    return m_controller.isPaused();
}

int PlaybackCommands::speedFactor() const {
    return m_controller.speedFactor();
}

void PlaybackCommands::setFollowFlag(bool on) {
    m_controller.setFollow(on);
}

PlaybackSnapshot PlaybackCommands::snapshot() const {
    PlaybackSnapshot s;
    s.mode = m_controller.playbackMode();
    s.paused = m_controller.isPaused();
    s.showing = m_showing;
    s.nextNumber = nextNumber();
    s.speedPercent = PlaybackRequest::percentOfSpeedFactor(m_controller.speedFactor());
    return s;
}

CommandResult PlaybackCommands::runNow(const PlaybackRequest& request) {
    m_running = request;
    m_refusalOfRunning.clear();
    m_stateDirty = false;
    // Reset also when a command throws, so that the next one is not queued for ever.
    struct Reset {
        PlaybackCommands& commands;
        ~Reset() { commands.m_running.reset(); }
    } reset{*this};
    CommandResult result = execute(request);
    if (result.done() && !m_refusalOfRunning.isEmpty())
        result = CommandResult::refused(m_refusalOfRunning);
    m_running.reset();
    if (m_stateDirty)
        emit stateChanged(snapshot());
    m_stateDirty = false;
    return result;
}

CommandResult PlaybackCommands::execute(const PlaybackRequest& request) {
    PlaybackController& c = m_controller;
    const QString refusal =
        CommandAvailability::refusal(request.command, c.playbackMode(), c.isPaused());
    if (!refusal.isEmpty())
        return CommandResult::refused(refusal);
    if (m_precondition) {
        const QString reason = m_precondition(request);
        if (!reason.isEmpty())
            return CommandResult::refused(reason);
    }

    int row = 0;
    switch (request.command) {
    case PlaybackCommand::PlayFromNumber:
    case PlaybackCommand::ManualFromNumber:
    case PlaybackCommand::GoToNumber:
        row = rowOfNumber(request.number);
        if (row == 0) {
            return CommandResult::refused(
                request.number.trimmed().isEmpty()
                    ? tr("Keine Textnummer angegeben.")
                    : tr("Text %1 gibt es nicht.").arg(QString::fromLatin1(request.number)));
        }
        break;
    case PlaybackCommand::Speed:
        if (request.speedFactor < PlaybackController::FastestSpeed ||
            request.speedFactor > PlaybackController::SlowestSpeed)
            return CommandResult::refused(tr("Die Geschwindigkeit geht von 50 bis 150 %."));
        break;
    default:
        break;
    }

    switch (request.command) {
    case PlaybackCommand::Play:
        c.play();
        break;
    case PlaybackCommand::PlayFromNumber:
        m_selection.select(row);
        c.play();
        break;
    case PlaybackCommand::Stop:
        c.stop();
        break;
    case PlaybackCommand::Manual:
        c.manual();
        break;
    case PlaybackCommand::ManualFromNumber:
        m_selection.select(row);
        c.manual();
        c.goToSelected();
        break;
    case PlaybackCommand::Pause:
        switch (request.pause) {
        case PlaybackRequest::PauseChange::Off:
            c.setPaused(false);
            break;
        case PlaybackRequest::PauseChange::On:
            c.setPaused(true);
            break;
        case PlaybackRequest::PauseChange::Toggle:
            c.setPaused(!c.isPaused());
            break;
        }
        break;
    case PlaybackCommand::StartPaused:
        c.startPaused();
        break;
    case PlaybackCommand::GoOn:
        c.goOn();
        break;
    case PlaybackCommand::First:
        c.first();
        break;
    case PlaybackCommand::Last:
        c.last();
        break;
    case PlaybackCommand::Previous:
        c.previous();
        break;
    case PlaybackCommand::Next:
        c.next();
        break;
    case PlaybackCommand::GoToSelected:
        c.goToSelected();
        break;
    case PlaybackCommand::GoToNumber:
        m_selection.select(row);
        c.goToSelected();
        break;
    case PlaybackCommand::Speed:
        if (request.speedFactor != c.speedFactor()) {
            c.setSpeedFactor(request.speedFactor);
            m_stateDirty = true;
        }
        break;
    case PlaybackCommand::Follow:
        c.followClicked(request.on);
        break;
    }
    return CommandResult::ok();
}

void PlaybackCommands::finish(const PlaybackRequest& request, const CommandResult& result,
                              const Completion& onDone) {
    if (result.status == CommandResult::Status::Refused) {
        // A control that moved by itself (the Pause button) goes back to the state.
        if (request.command == PlaybackCommand::Pause)
            emit pausedChanged(m_controller.isPaused());
        emit commandRefused(request, result.reason);
    }
    emit commandFinished(request, result);
    if (onDone)
        onDone(result);
}

void PlaybackCommands::watchController() {
    PlaybackController::Hooks hooks;
    hooks.showMode = [this](PlaybackMode mode) {
        emit modeChanged(mode);
        ruleInputsChanged();
    };
    hooks.showPaused = [this](bool paused) {
        emit pausedChanged(paused);
        ruleInputsChanged();
    };
    hooks.showCurrentNumber = [this](const QByteArray& number) {
        emit currentNumberChanged(number);
    };
    hooks.scrollToRow = [this](int row) {
        emit followRow(row);
    };
    hooks.report = [this](const QString& text) {
        emit reportChanged(text);
    };
    hooks.entryStarted = [this](const ShownEntry& entry, bool byDurationTimer) {
        m_showing = entry;
        const CommandOrigin origin = m_running         ? m_running->origin
                                     : byDurationTimer ? CommandOrigin::durationTimer()
                                                       : CommandOrigin::textRunOut();
        emit entryStarted(entry, origin);
        stateTouched();
    };
    hooks.boardBlanked = [this] {
        if (m_showing.isBlank())
            return;
        m_showing = ShownEntry();
        stateTouched();
    };
    m_controller.setHooks(std::move(hooks));
}

void PlaybackCommands::ruleInputsChanged() {
    const PlaybackMode mode = m_controller.playbackMode();
    const bool paused = m_controller.isPaused();
    if (mode == m_mode && paused == m_paused)
        return;
    const bool wasEditing = CommandAvailability::editingAllowed(m_mode);
    m_mode = mode;
    m_paused = paused;
    emit enabledStateChanged();
    if (CommandAvailability::editingAllowed(mode) != wasEditing)
        emit editingAllowedChanged(CommandAvailability::editingAllowed(mode));
    stateTouched();
}

void PlaybackCommands::stateTouched() {
    // A command publishes its state once, when it is done; a timer's start at once.
    if (m_running)
        m_stateDirty = true;
    else
        emit stateChanged(snapshot());
}

QByteArray PlaybackCommands::nextNumber() const {
    const int rows = m_table.gridRowCount() - 1;
    if (m_showing.isBlank() || rows < 1)
        return QByteArray();
    int row = m_controller.currentEntryRow();
    for (int step = 0; step < rows; ++step) {
        row = row >= rows ? 1 : row + 1;
        if (!m_table.holdsEntry(row))
            continue;
        const EntryDecoding decoding = SequenceEntry::decodeEach(
            m_table.rowCells(row), {SequenceTable::NumberColumn, SequenceTable::ActiveColumn});
        if (!decoding.entry.isInactive())
            return decoding.entry.number;
    }
    return QByteArray();
}
