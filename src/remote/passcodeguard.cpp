#include "passcodeguard.h"

#include "platform/clock.h"

PasscodeGuard::Verdict PasscodeGuard::check(const QString& host, const QByteArray& attempt) {
    if (isShutOut(host))
        return Verdict::ShutOut;
    if (equalInConstantTime(attempt, m_passcode)) {
        m_failures.remove(host);
        return Verdict::Accepted;
    }
    if (!m_failures.contains(host) && m_failures.size() >= MaximumAddresses)
        forgetStale();
    Failures& failures = m_failures[host];
    failures.lastMs = m_clock.nowMs();
    if (++failures.count >= AllowedFailures) {
        failures.count = 0;
        failures.shutOutUntilMs = m_clock.nowMs() + LockoutMs;
    }
    return Verdict::Wrong;
}

bool PasscodeGuard::isShutOut(const QString& host) {
    const auto found = m_failures.find(host);
    if (found == m_failures.end() || found->shutOutUntilMs < 0)
        return false;
    if (m_clock.nowMs() < found->shutOutUntilMs)
        return true;
    found->shutOutUntilMs = -1;
    return false;
}

void PasscodeGuard::forgetStale() {
    // Failures older than a lockout no longer count. When every entry is fresh (a flood from
    // many addresses), the one that matters least goes: the one whose last word lies furthest back.
    const qint64 now = m_clock.nowMs();
    for (auto it = m_failures.begin(); it != m_failures.end();) {
        if (it->shutOutUntilMs <= now && now - it->lastMs > LockoutMs)
            it = m_failures.erase(it);
        else
            ++it;
    }
    if (m_failures.size() < MaximumAddresses)
        return;
    auto oldest = m_failures.begin();
    for (auto it = m_failures.begin(); it != m_failures.end(); ++it)
        if (qMax(it->lastMs, it->shutOutUntilMs) < qMax(oldest->lastMs, oldest->shutOutUntilMs))
            oldest = it;
    m_failures.erase(oldest);
}

bool PasscodeGuard::equalInConstantTime(const QByteArray& a, const QByteArray& b) {
    // Walks the longer of the two whole; a length difference counts as a difference.
    const int length = int(qMax(a.size(), b.size()));
    unsigned difference = a.size() == b.size() ? 0u : 1u;
    for (int i = 0; i < length; ++i) {
        const auto x = static_cast<unsigned char>(i < a.size() ? a.at(i) : 0);
        const auto y = static_cast<unsigned char>(i < b.size() ? b.at(i) : 0);
        difference |= unsigned(x ^ y);
    }
    return difference == 0;
}
