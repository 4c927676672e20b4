#pragma once

#include "oscstreamframer.h"
#include "remotesender.h"

#include <QObject>
#include <QTcpSocket>

// One TCP connection of a cue system: its socket, the framing of its stream and when it last
// said something. It keeps at most a read buffer and one incomplete packet.
class RemoteConnection final : public QObject {
    Q_OBJECT

public:
    // What the socket may hold unread, and unsent, before the connection is dropped.
    static constexpr qint64 ReadBufferBytes = 16 * 1024;
    static constexpr qint64 MaximumUnsentBytes = 256 * 1024;

    RemoteConnection(QTcpSocket* socket, quint64 serial, qint64 nowMs, QObject* parent);
    ~RemoteConnection() override;

    const RemoteSender& sender() const { return m_sender; }
    qint64 lastHeardMs() const { return m_lastHeardMs; }

    // Sends one OSC packet in the stream's framing; a peer that does not read its replies
    // is dropped.
    void send(const QByteArray& packet);
    void close();
    void heard(qint64 nowMs) { m_lastHeardMs = nowMs; }

signals:
    // Packets as they complete; the owner stamps the time through heard().
    void packetsArrived(const QList<QByteArray>& packets);
    void closed();

private:
    void readAvailable();

    QTcpSocket* m_socket;
    OscStreamFramer m_framer;
    RemoteSender m_sender;
    qint64 m_lastHeardMs;
    bool m_closing = false;
};
