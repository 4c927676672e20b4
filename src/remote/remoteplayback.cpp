#include "remoteplayback.h"

#include "remoterequest.h"

#include "playback/playbackcommands.h"

void RemotePlayback::run(const RemoteRequest& request, const QString& sender, Finished finished) {
    // In offline mode the board plays the uploaded sequence itself; a live frame would
    // overwrite what it shows.
    if (m_offline && m_offline()) {
        finished(QStringLiteral("offline mode: the board plays from its own memory"));
        return;
    }
    m_commands.run(playbackRequest(request, sender),
                   [finished = std::move(finished)](const CommandResult& result) {
                       finished(result.done() ? QString() : result.reason);
                   });
}

RemoteState RemotePlayback::state() const {
    return remoteState(m_commands.snapshot());
}

PlaybackRequest RemotePlayback::playbackRequest(const RemoteRequest& request,
                                                const QString& sender) {
    const CommandOrigin origin = CommandOrigin::remote(sender);
    const bool numbered = !request.number.isEmpty();
    switch (request.command) {
    case RemoteCommand::Play:
        return numbered ? PlaybackRequest::withNumber(PlaybackCommand::PlayFromNumber,
                                                      request.number, origin)
                        : PlaybackRequest::of(PlaybackCommand::Play, origin);
    case RemoteCommand::Manual:
        return numbered ? PlaybackRequest::withNumber(PlaybackCommand::ManualFromNumber,
                                                      request.number, origin)
                        : PlaybackRequest::of(PlaybackCommand::Manual, origin);
    case RemoteCommand::Pause:
        return PlaybackRequest::pauseChange(request.value < 0 ? PlaybackRequest::PauseChange::Toggle
                                            : request.value == 1
                                                ? PlaybackRequest::PauseChange::On
                                                : PlaybackRequest::PauseChange::Off,
                                            origin);
    case RemoteCommand::StartPause:
        return PlaybackRequest::of(PlaybackCommand::StartPaused, origin);
    case RemoteCommand::First:
        return PlaybackRequest::of(PlaybackCommand::First, origin);
    case RemoteCommand::Last:
        return PlaybackRequest::of(PlaybackCommand::Last, origin);
    case RemoteCommand::Previous:
        return PlaybackRequest::of(PlaybackCommand::Previous, origin);
    case RemoteCommand::Next:
        return PlaybackRequest::of(PlaybackCommand::Next, origin);
    case RemoteCommand::GoTo:
        return PlaybackRequest::withNumber(PlaybackCommand::GoToNumber, request.number, origin);
    case RemoteCommand::GoOn:
        return PlaybackRequest::of(PlaybackCommand::GoOn, origin);
    case RemoteCommand::Speed:
        return PlaybackRequest::speed(PlaybackRequest::speedFactorOfPercent(request.value), origin);
    case RemoteCommand::Stop:
    case RemoteCommand::State:
    case RemoteCommand::Updates:
    case RemoteCommand::Connect:
        break;
    }
    return PlaybackRequest::of(PlaybackCommand::Stop, origin);
}

RemoteState RemotePlayback::remoteState(const PlaybackSnapshot& snapshot) {
    RemoteState state;
    switch (snapshot.mode) {
    case PlaybackMode::Stopped:
        state.state = RemoteState::State::Stopped;
        break;
    case PlaybackMode::Automatic:
        state.state = snapshot.paused ? RemoteState::State::Paused : RemoteState::State::Playing;
        break;
    case PlaybackMode::Manual:
        state.state = snapshot.paused ? RemoteState::State::Paused : RemoteState::State::Manual;
        break;
    }
    state.number = snapshot.showing.number;
    switch (snapshot.showing.kind) {
    case TextKind::Block:
        state.kind = RemoteState::Kind::Block;
        break;
    case TextKind::Scroll:
        state.kind = RemoteState::Kind::Scroll;
        break;
    case TextKind::Flow:
        state.kind = RemoteState::Kind::Flow;
        break;
    case TextKind::None:
        break;
    }
    if (!snapshot.showing.isBlank())
        state.lines = snapshot.showing.lines;
    state.next = snapshot.nextNumber;
    state.speed = snapshot.speedPercent;
    return state;
}
