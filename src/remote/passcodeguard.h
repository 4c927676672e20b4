#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

class Clock;

// Checks the passcodes senders give, in constant time, and shuts out an address that gave
// too many wrong ones for a while. Keeps at most MaximumAddresses addresses in mind.
class PasscodeGuard {
public:
    static constexpr int AllowedFailures = 5;
    static constexpr qint64 LockoutMs = 60 * 1000;
    static constexpr int MaximumAddresses = 1024;

    enum class Verdict { Accepted, Wrong, ShutOut };

    explicit PasscodeGuard(const Clock& clock)
        : m_clock(clock) {}

    void setPasscode(const QByteArray& passcode) { m_passcode = passcode; }
    bool isSet() const { return !m_passcode.isEmpty(); }

    // The attempt of a sender at that host address.
    Verdict check(const QString& host, const QByteArray& attempt);
    bool isShutOut(const QString& host);

    // Equal in a time that depends on the lengths only, not on where they differ.
    static bool equalInConstantTime(const QByteArray& a, const QByteArray& b);

private:
    struct Failures {
        int count = 0;
        qint64 lastMs = 0;
        qint64 shutOutUntilMs = -1;
    };
    void forgetStale();

    const Clock& m_clock;
    QByteArray m_passcode;
    QHash<QString, Failures> m_failures;
};
