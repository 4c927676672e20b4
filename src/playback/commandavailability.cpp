#include "commandavailability.h"

bool CommandAvailability::isEnabled(PlaybackCommand command, PlaybackMode mode, bool paused) {
    const bool playing = mode != PlaybackMode::Stopped;
    switch (command) {
    case PlaybackCommand::Play:
    case PlaybackCommand::PlayFromNumber:
    case PlaybackCommand::Stop:
    case PlaybackCommand::Manual:
    case PlaybackCommand::ManualFromNumber:
    case PlaybackCommand::StartPaused:
    case PlaybackCommand::Speed:
    case PlaybackCommand::Follow:
        return true;
    case PlaybackCommand::Pause:
        return playing;
    case PlaybackCommand::GoOn:
        return playing && paused;
    case PlaybackCommand::First:
    case PlaybackCommand::Last:
    case PlaybackCommand::Previous:
    case PlaybackCommand::Next:
    case PlaybackCommand::GoToSelected:
    case PlaybackCommand::GoToNumber:
        return mode == PlaybackMode::Manual;
    }
    return false;
}

QString CommandAvailability::refusal(PlaybackCommand command, PlaybackMode mode, bool paused) {
    if (isEnabled(command, mode, paused))
        return QString();
    switch (command) {
    case PlaybackCommand::Pause:
        return tr("Pause geht nur während des Abspielens.");
    case PlaybackCommand::GoOn:
        return tr("Weiter geht nur bei Pause.");
    default:
        return tr("Das geht nur im manuellen Ablauf.");
    }
}
