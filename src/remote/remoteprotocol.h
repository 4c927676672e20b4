#pragma once

#include "passcodeguard.h"
#include "remoterequest.h"
#include "remotesender.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

#include <functional>

class Clock;
class RemoteCommandTarget;
struct OscMessage;

// The rules of the remote, apart from any socket: which sender may do what, the answer to
// each message, who hears of a changed state. The sockets feed it messages and send what it
// answers.
class RemoteProtocol {
public:
    // Senders kept in mind at once; beyond it the one heard least recently is forgotten.
    static constexpr int MaximumSenders = 256;
    // A UDP sender's subscription ends after this long without a message from it.
    static constexpr qint64 UdpSilenceMs = 10 * 60 * 1000;

    // The answer to one message.
    struct Answer {
        // False for a message outside "/lumentafel/": it gets no reply.
        bool answered = false;
        // "/lumentafel/reply/<name>".
        QByteArray address;
        QByteArray name;
        // "ok", "badpass", "error" or "denied".
        QByteArray status;
        QByteArray detail;
        // A playback command was handed to the target (whatever it answered).
        bool reachedTarget = false;
    };
    using Respond = std::function<void(const Answer&)>;

    RemoteProtocol(RemoteCommandTarget& target, const Clock& clock);

    // A new passcode: every sender must connect again. Empty means none is needed.
    void setPasscode(const QByteArray& passcode);
    void setLocked(bool locked) { m_locked = locked; }
    bool isLocked() const { return m_locked; }

    // Answers the message through respond, at once or, for a playback command that waits its
    // turn, once it has run. A message outside "/lumentafel/" gets no answer at all.
    void handle(const RemoteSender& sender, const OscMessage& message, const Respond& respond);
    // The senders to tell of a new state, "/lumentafel/update/showing"; UDP senders silent
    // for too long drop out here.
    QList<RemoteSender> subscribers();
    // The sender's connection closed.
    void forget(const RemoteSender& sender);
    int senderCount() const { return int(m_sessions.size()); }
    // The senders heard from in the last ms milliseconds.
    QList<RemoteSender> sendersHeardWithin(qint64 ms) const;

private:
    struct Session {
        RemoteSender sender;
        bool connected = false;
        bool subscribed = false;
        qint64 lastHeardMs = 0;
    };
    Session& sessionOf(const RemoteSender& sender);
    void forgetLeastRecentlyHeard();
    Answer answerTo(Session& session, const RemoteAddresses::Parsed& parsed);

    RemoteCommandTarget& m_target;
    const Clock& m_clock;
    PasscodeGuard m_guard;
    bool m_locked = false;
    QHash<QString, Session> m_sessions;
};
