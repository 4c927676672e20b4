#pragma once

#include <QProcess>
#include <QString>

// Two connected pseudo-terminals made by socat, reachable through two links: what is
// written to one arrives at the other. Stopping socat makes both vanish, as a pulled
// USB adapter would.
class PtyPair {
public:
    // Absolute paths of the two links socat creates.
    PtyPair(QString linkA, QString linkB);
    ~PtyPair();
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    // Starts socat; true once both links exist and socat is moving data.
    bool start(int timeoutMs = 5000);
    // Stops socat and waits for it; the links vanish.
    void stop();
    bool isRunning() const;

    const QString& linkA() const { return m_linkA; }
    const QString& linkB() const { return m_linkB; }
    // What socat reported, for a failing test's message.
    QByteArray output() const { return m_output; }

private:
    void removeLeftoverLinks();

    QString m_linkA;
    QString m_linkB;
    QProcess m_socat;
    QByteArray m_output;
};
