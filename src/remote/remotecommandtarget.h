#pragma once

#include "remotestate.h"

#include <QString>

#include <functional>

struct RemoteRequest;

// What the remote drives: the operator's playback commands, and the state it reports.
class RemoteCommandTarget {
public:
    // Called once with the outcome: empty when the command ran, else the reason in words.
    using Finished = std::function<void(const QString& reason)>;

    virtual ~RemoteCommandTarget() = default;

    // Carries out a playback request as the operator's own command would, without ever
    // opening a box. A command that must wait its turn behind a running one finishes later.
    virtual void run(const RemoteRequest& request, const QString& sender, Finished finished) = 0;
    virtual RemoteState state() const = 0;
};
