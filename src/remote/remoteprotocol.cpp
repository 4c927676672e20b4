#include "remoteprotocol.h"

#include "osccodec.h"
#include "remotecommandtarget.h"

#include "platform/clock.h"

namespace {

const QByteArray Ok = "ok";
const QByteArray BadPass = "badpass";
const QByteArray Error = "error";
const QByteArray Denied = "denied";

} // namespace

RemoteProtocol::RemoteProtocol(RemoteCommandTarget& target, const Clock& clock)
    : m_target(target)
    , m_clock(clock)
    , m_guard(clock) {
}

void RemoteProtocol::setPasscode(const QByteArray& passcode) {
    m_guard.setPasscode(passcode);
    for (Session& session : m_sessions)
        session.connected = false;
}

void RemoteProtocol::handle(const RemoteSender& sender, const OscMessage& message,
                            const Respond& respond) {
    const RemoteAddresses::Parsed parsed = RemoteAddresses::parse(message);
    if (!parsed.ours)
        return;
    Session& session = sessionOf(sender);
    session.lastHeardMs = m_clock.nowMs();
    Answer answer = answerTo(session, parsed);
    if (!answer.reachedTarget) {
        respond(answer);
        return;
    }
    // The session may be gone by the time the command has run: nothing of it is used after.
    m_target.run(parsed.request, sender.label(), [answer, respond](const QString& reason) mutable {
        if (!reason.isEmpty()) {
            answer.status = Error;
            answer.detail = reason.toUtf8();
        }
        respond(answer);
    });
}

RemoteProtocol::Answer RemoteProtocol::answerTo(Session& session,
                                                const RemoteAddresses::Parsed& parsed) {
    Answer answer;
    answer.answered = true;
    answer.name = parsed.name;
    answer.address = "/lumentafel/reply/" + parsed.name;
    answer.status = Ok;
    const RemoteRequest& request = parsed.request;
    const QByteArray connectFirst = "send /lumentafel/connect with the passcode first";
    if (m_guard.isSet() && m_guard.isShutOut(session.sender.host)) {
        answer.status = BadPass;
        answer.detail = "too many wrong passcodes from this address: refused for a minute";
        return answer;
    }
    const bool beforePasscode =
        m_guard.isSet() && !session.connected && request.command != RemoteCommand::Connect;
    if (beforePasscode) {
        // Whatever the message, well-formed or not, it does nothing before the passcode.
        answer.status = BadPass;
        answer.detail = connectFirst;
        return answer;
    }
    if (!parsed.error.isEmpty()) {
        answer.status = Error;
        answer.detail = parsed.error.toUtf8();
        return answer;
    }
    switch (request.command) {
    case RemoteCommand::Connect:
        if (!m_guard.isSet()) {
            session.connected = true;
            answer.detail = "no passcode is set";
        } else {
            session.connected = m_guard.check(session.sender.host, request.passcode) ==
                                PasscodeGuard::Verdict::Accepted;
            answer.status = session.connected ? Ok : BadPass;
            answer.detail =
                session.connected ? QByteArray("connected") : QByteArray("wrong passcode");
        }
        return answer;
    case RemoteCommand::State:
        answer.detail = m_target.state().toJson();
        return answer;
    case RemoteCommand::Updates:
        session.subscribed = request.value == 1;
        answer.detail = session.subscribed ? "updates on" : "updates off";
        return answer;
    default:
        break;
    }
    if (m_locked) {
        answer.status = Denied;
        answer.detail = "remote control is locked";
        return answer;
    }
    answer.reachedTarget = true;
    return answer;
}

QList<RemoteSender> RemoteProtocol::subscribers() {
    QList<RemoteSender> senders;
    const qint64 now = m_clock.nowMs();
    for (Session& session : m_sessions) {
        if (!session.subscribed)
            continue;
        if (session.sender.transport != RemoteSender::Transport::Tcp &&
            now - session.lastHeardMs >= UdpSilenceMs) {
            session.subscribed = false;
            continue;
        }
        if (m_guard.isSet() && !session.connected)
            continue;
        senders.append(session.sender);
    }
    return senders;
}

QList<RemoteSender> RemoteProtocol::sendersHeardWithin(qint64 ms) const {
    QList<RemoteSender> senders;
    for (const Session& session : m_sessions)
        if (m_clock.nowMs() - session.lastHeardMs < ms)
            senders.append(session.sender);
    return senders;
}

void RemoteProtocol::forget(const RemoteSender& sender) {
    m_sessions.remove(sender.key());
}

RemoteProtocol::Session& RemoteProtocol::sessionOf(const RemoteSender& sender) {
    const QString key = sender.key();
    auto found = m_sessions.find(key);
    if (found != m_sessions.end())
        return *found;
    if (m_sessions.size() >= MaximumSenders)
        forgetLeastRecentlyHeard();
    Session session;
    session.sender = sender;
    return *m_sessions.insert(key, session);
}

void RemoteProtocol::forgetLeastRecentlyHeard() {
    auto oldest = m_sessions.end();
    for (auto it = m_sessions.begin(); it != m_sessions.end(); ++it)
        if (it->sender.transport != RemoteSender::Transport::Tcp &&
            (oldest == m_sessions.end() || it->lastHeardMs < oldest->lastHeardMs))
            oldest = it;
    if (oldest != m_sessions.end())
        m_sessions.erase(oldest);
}
