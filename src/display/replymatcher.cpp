#include "replymatcher.h"

#include "platform/clock.h"

namespace {
const QByteArray StartMarker = QByteArrayLiteral("<<<");
const QByteArray EndMarker = QByteArrayLiteral(">>>");
} // namespace

ReplyMatcher::ReplyMatcher(Clock& clock)
    : m_clock(clock) {
}

QList<QByteArray> ReplyMatcher::feed(const QByteArray& bytes) {
    QList<QByteArray> replies;
    if (m_inside && m_clock.nowMs() - m_startedMs >= MaximumWaitMs)
        drop();
    for (char c : bytes) {
        m_bytes += c;
        if (!m_inside) {
            if (m_bytes.endsWith(StartMarker))
                startReply();
            else if (m_bytes.size() >= StartMarker.size())
                m_bytes.remove(0, m_bytes.size() - (StartMarker.size() - 1));
            continue;
        }
        if (m_bytes.endsWith(EndMarker)) {
            m_bytes.chop(EndMarker.size());
            replies.append(m_bytes);
            m_inside = false;
            m_bytes.clear();
        } else if (m_bytes.endsWith(StartMarker)) {
            startReply();
        } else if (m_bytes.size() > MaximumReply + EndMarker.size() - 1) {
            drop();
        }
    }
    return replies;
}

void ReplyMatcher::startReply() {
    m_inside = true;
    m_bytes.clear();
    m_startedMs = m_clock.nowMs();
}

void ReplyMatcher::drop() {
    m_inside = false;
    m_bytes.clear();
}
