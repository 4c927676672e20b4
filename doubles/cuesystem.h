#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QTcpSocket>
#include <QUdpSocket>

// A cue system on loopback as tests and benchmarks play it: sends OSC over UDP and over TCP
// (SLIP-framed) and plain text, and waits for what comes back.
class CueSystem {
public:
    CueSystem();

    // A port number free for UDP and TCP alike on 127.0.0.1 right now.
    static quint16 freePort();

    void sendOsc(quint16 port, const QByteArray& address, const QList<QByteArray>& strings = {});
    void sendOscInt(quint16 port, const QByteArray& address, int value);
    void sendText(quint16 port, const QByteArray& text);
    // The next OSC datagram (address and its string arguments, apart by spaces) or text
    // datagram, or an empty array when none came in time.
    QByteArray nextOscReply(int timeoutMs = 5000);
    QByteArray nextTextReply(int timeoutMs = 5000);

    bool connectTcp(quint16 port);
    void sendTcp(const QByteArray& address, const QList<QByteArray>& strings = {});
    QByteArray nextTcpReply(int timeoutMs = 5000);
    QTcpSocket& tcp() { return m_tcp; }

    static QByteArray describe(const QByteArray& packet);

private:
    QUdpSocket m_osc;
    QUdpSocket m_text;
    QTcpSocket m_tcp;
    QByteArray m_tcpBuffer;
};
