#pragma once

#include <functional>

#include "remotecommandtarget.h"

class PlaybackCommands;
struct PlaybackRequest;
struct PlaybackSnapshot;

// The remote's requests run as the operator's playback commands, with the remote's origin:
// queued behind a running command like any other, and never opening a box.
class RemotePlayback final : public RemoteCommandTarget {
public:
    // `offline` tells whether the board plays from its own memory: then the live playback
    // commands are not the operator's to give, and the remote's are refused.
    explicit RemotePlayback(PlaybackCommands& commands, std::function<bool()> offline = {})
        : m_commands(commands)
        , m_offline(std::move(offline)) {}

    void run(const RemoteRequest& request, const QString& sender, Finished finished) override;
    RemoteState state() const override;

    static PlaybackRequest playbackRequest(const RemoteRequest& request, const QString& sender);
    static RemoteState remoteState(const PlaybackSnapshot& snapshot);

private:
    PlaybackCommands& m_commands;
    std::function<bool()> m_offline;
};
