#pragma once

#include "remoteprotocol.h"
#include "remotestate.h"

#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

class Clock;
class QTcpServer;
class QUdpSocket;
class RemoteCommandTarget;
class RemoteConnection;
class Timer;

// The remote's sockets: OSC over UDP and TCP on one port number, plain text over UDP on
// another, all served by Qt's event loop. Each message goes through the protocol and its
// answer back to the sender. What is kept is bounded: connections, senders, bytes per
// connection; a flood of datagrams is read a batch at a time between other events.
class RemoteServer final : public QObject {
    Q_OBJECT

public:
    static constexpr int MaximumConnections = 32;
    // A TCP connection that has sent no packet for this long is closed.
    static constexpr qint64 IdleConnectionMs = 10 * 60 * 1000;
    static constexpr int IdleCheckMs = 30 * 1000;
    static constexpr int DatagramsPerTurn = 64;

    struct Endpoints {
        // Empty: every address of the machine.
        QString address;
        // 0: off.
        quint16 oscPort = 0;
        quint16 textPort = 0;
    };

    RemoteServer(RemoteCommandTarget& target, Clock& clock, QObject* parent = nullptr);
    ~RemoteServer() override;

    // Stops listening, then listens on the endpoints (none when both ports are 0). False
    // when a socket cannot be opened; what could be opened stays open, and errorString()
    // says what failed.
    bool listen(const Endpoints& endpoints);
    void close();
    bool isListening() const;
    QString errorString() const { return m_error; }
    // The endpoints listened on.
    const Endpoints& endpoints() const { return m_endpoints; }

    void setPasscode(const QByteArray& passcode) { m_protocol.setPasscode(passcode); }
    void setLocked(bool locked) { m_protocol.setLocked(locked); }
    bool isLocked() const { return m_protocol.isLocked(); }
    // The open TCP connections and the UDP senders heard in the last ten minutes.
    QStringList clients() const;
    int connectionCount() const { return int(m_connections.size()); }

public slots:
    // The playback changed: subscribers hear of it if what they were told last is out of date.
    void publishState();

signals:
    void listeningChanged();
    void clientsChanged();
    // A message under /lumentafel was answered.
    void answered(const QString& sender, const QByteArray& name, const QByteArray& status,
                  const QString& detail);

private:
    void readOscDatagrams();
    void readTextDatagrams();
    void acceptConnections();
    void dropIdleConnections();
    void handlePackets(RemoteConnection* connection, const QList<QByteArray>& packets);
    void reply(const RemoteSender& sender, const QByteArray& address, const QByteArray& status,
               const QByteArray& detail);
    void send(const RemoteSender& sender, const QByteArray& packet);
    void handle(const RemoteSender& sender, const OscMessage& message);

    Clock& m_clock;
    RemoteCommandTarget& m_target;
    RemoteProtocol m_protocol;
    Endpoints m_endpoints;
    QString m_error;
    QUdpSocket* m_oscUdp = nullptr;
    QTcpServer* m_oscTcp = nullptr;
    QUdpSocket* m_textUdp = nullptr;
    QList<RemoteConnection*> m_connections;
    quint64 m_nextSerial = 1;
    std::unique_ptr<Timer> m_idleCheck;
    RemoteState m_published;
    bool m_publishedOnce = false;
};
