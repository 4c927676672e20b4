#include "remoteserver.h"

#include "osccodec.h"
#include "plaintextreader.h"
#include "remotecommandtarget.h"
#include "remoteconnection.h"

#include "platform/clock.h"
#include "platform/timer.h"

#include <QNetworkDatagram>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUdpSocket>

#include <algorithm>

namespace {

const QByteArray UpdateAddress = "/lumentafel/update/showing";

RemoteSender datagramSender(const QNetworkDatagram& datagram, RemoteSender::Transport transport) {
    RemoteSender sender;
    sender.transport = transport;
    QHostAddress host = datagram.senderAddress();
    // A dual-stack socket reports IPv4 senders as mapped IPv6 addresses.
    bool isIpv4 = false;
    const quint32 ipv4 = host.toIPv4Address(&isIpv4);
    if (isIpv4)
        host = QHostAddress(ipv4);
    sender.host = host.toString();
    sender.port = quint16(datagram.senderPort());
    return sender;
}

} // namespace

RemoteServer::RemoteServer(RemoteCommandTarget& target, Clock& clock, QObject* parent)
    : QObject(parent)
    , m_clock(clock)
    , m_target(target)
    , m_protocol(target, clock)
    , m_idleCheck(clock.createTimer(QStringLiteral("remoteIdleCheck"), IdleCheckMs, this)) {
    m_idleCheck->setOnTimeout([this] { dropIdleConnections(); });
}

RemoteServer::~RemoteServer() {
    close();
}

bool RemoteServer::listen(const Endpoints& endpoints) {
    close();
    m_endpoints = endpoints;
    m_error.clear();
    QHostAddress address(QHostAddress::Any);
    if (!endpoints.address.trimmed().isEmpty() &&
        !address.setAddress(endpoints.address.trimmed())) {
        m_error = tr("Die Adresse %1 ist keine IP-Adresse.").arg(endpoints.address);
        emit listeningChanged();
        return false;
    }
    if (endpoints.oscPort != 0) {
        m_oscUdp = new QUdpSocket(this);
        m_oscTcp = new QTcpServer(this);
        if (!m_oscUdp->bind(address, endpoints.oscPort)) {
            m_error =
                tr("OSC-Port %1 (UDP): %2").arg(endpoints.oscPort).arg(m_oscUdp->errorString());
        } else if (!m_oscTcp->listen(address, endpoints.oscPort)) {
            m_error =
                tr("OSC-Port %1 (TCP): %2").arg(endpoints.oscPort).arg(m_oscTcp->errorString());
        }
        m_oscTcp->setMaxPendingConnections(MaximumConnections);
        connect(m_oscUdp, &QUdpSocket::readyRead, this, &RemoteServer::readOscDatagrams);
        connect(m_oscTcp, &QTcpServer::newConnection, this, &RemoteServer::acceptConnections);
    }
    if (endpoints.textPort != 0) {
        m_textUdp = new QUdpSocket(this);
        if (!m_textUdp->bind(address, endpoints.textPort)) {
            const QString failure =
                tr("Textport %1: %2").arg(endpoints.textPort).arg(m_textUdp->errorString());
            m_error = m_error.isEmpty() ? failure : m_error + QStringLiteral("; ") + failure;
        }
        connect(m_textUdp, &QUdpSocket::readyRead, this, &RemoteServer::readTextDatagrams);
    }
    m_idleCheck->setEnabled(endpoints.oscPort != 0);
    emit listeningChanged();
    return m_error.isEmpty();
}

void RemoteServer::close() {
    for (RemoteConnection* connection : std::as_const(m_connections)) {
        connection->disconnect(this);
        connection->deleteLater();
        m_protocol.forget(connection->sender());
    }
    const bool hadSockets = m_oscUdp || m_oscTcp || m_textUdp || !m_connections.isEmpty();
    m_connections.clear();
    delete m_oscUdp;
    delete m_oscTcp;
    delete m_textUdp;
    m_oscUdp = nullptr;
    m_oscTcp = nullptr;
    m_textUdp = nullptr;
    m_idleCheck->setEnabled(false);
    if (hadSockets) {
        emit listeningChanged();
        emit clientsChanged();
    }
}

bool RemoteServer::isListening() const {
    return (m_oscUdp && m_oscUdp->state() == QAbstractSocket::BoundState) ||
           (m_oscTcp && m_oscTcp->isListening()) ||
           (m_textUdp && m_textUdp->state() == QAbstractSocket::BoundState);
}

QStringList RemoteServer::clients() const {
    QStringList labels;
    for (const RemoteConnection* connection : m_connections)
        labels.append(connection->sender().label());
    for (const RemoteSender& sender : m_protocol.sendersHeardWithin(RemoteProtocol::UdpSilenceMs))
        if (sender.transport != RemoteSender::Transport::Tcp)
            labels.append(sender.label());
    return labels;
}

void RemoteServer::readOscDatagrams() {
    // A batch at a time: a flood must leave room for the window and the board.
    for (int i = 0; i < DatagramsPerTurn && m_oscUdp && m_oscUdp->hasPendingDatagrams(); ++i) {
        const QNetworkDatagram datagram = m_oscUdp->receiveDatagram(65536);
        const RemoteSender sender = datagramSender(datagram, RemoteSender::Transport::Udp);
        for (const OscMessage& message : OscCodec::decode(datagram.data()))
            handle(sender, message);
    }
    if (m_oscUdp && m_oscUdp->hasPendingDatagrams())
        QMetaObject::invokeMethod(this, &RemoteServer::readOscDatagrams, Qt::QueuedConnection);
}

void RemoteServer::readTextDatagrams() {
    for (int i = 0; i < DatagramsPerTurn && m_textUdp && m_textUdp->hasPendingDatagrams(); ++i) {
        const QNetworkDatagram datagram =
            m_textUdp->receiveDatagram(PlainTextReader::MaximumDatagram + 1);
        const RemoteSender sender = datagramSender(datagram, RemoteSender::Transport::Text);
        const std::optional<OscMessage> message = PlainTextReader::read(datagram.data());
        if (!message)
            continue;
        handle(sender, *message);
    }
    if (m_textUdp && m_textUdp->hasPendingDatagrams())
        QMetaObject::invokeMethod(this, &RemoteServer::readTextDatagrams, Qt::QueuedConnection);
}

void RemoteServer::acceptConnections() {
    while (m_oscTcp && m_oscTcp->hasPendingConnections()) {
        QTcpSocket* socket = m_oscTcp->nextPendingConnection();
        if (m_connections.size() >= MaximumConnections) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        auto* connection = new RemoteConnection(socket, m_nextSerial++, m_clock.nowMs(), this);
        m_connections.append(connection);
        connect(connection, &RemoteConnection::packetsArrived, this,
                [this, connection](const QList<QByteArray>& packets) {
                    handlePackets(connection, packets);
                });
        connect(connection, &RemoteConnection::closed, this, [this, connection] {
            m_connections.removeOne(connection);
            m_protocol.forget(connection->sender());
            connection->deleteLater();
            emit clientsChanged();
        });
        emit clientsChanged();
    }
}

void RemoteServer::handlePackets(RemoteConnection* connection, const QList<QByteArray>& packets) {
    connection->heard(m_clock.nowMs());
    const RemoteSender sender = connection->sender();
    for (const QByteArray& packet : packets) {
        for (const OscMessage& message : OscCodec::decode(packet)) {
            handle(sender, message);
            // The command may have run a nested event loop in which the connection closed.
            if (!m_connections.contains(connection))
                return;
        }
    }
}

void RemoteServer::handle(const RemoteSender& sender, const OscMessage& message) {
    const int known = m_protocol.senderCount();
    // The answer may come after a nested event loop: by then the server may listen anew or
    // the connection may have closed; reply() looks the sender up again.
    QPointer<RemoteServer> self(this);
    m_protocol.handle(sender, message, [self, sender](const RemoteProtocol::Answer& answer) {
        if (!self)
            return;
        emit self->answered(sender.label(), answer.name, answer.status,
                            QString::fromUtf8(answer.detail));
        self->reply(sender, answer.address, answer.status, answer.detail);
    });
    if (m_protocol.senderCount() != known)
        emit clientsChanged();
}

void RemoteServer::reply(const RemoteSender& sender, const QByteArray& address,
                         const QByteArray& status, const QByteArray& detail) {
    if (sender.transport == RemoteSender::Transport::Text) {
        if (m_textUdp)
            m_textUdp->writeDatagram(status + ' ' + detail + '\n', QHostAddress(sender.host),
                                     sender.port);
        return;
    }
    send(sender, OscCodec::encode(address, {status, detail}));
}

void RemoteServer::send(const RemoteSender& sender, const QByteArray& packet) {
    if (sender.transport == RemoteSender::Transport::Tcp) {
        for (RemoteConnection* connection : std::as_const(m_connections))
            if (connection->sender().connection == sender.connection)
                connection->send(packet);
    } else if (m_oscUdp) {
        m_oscUdp->writeDatagram(packet, QHostAddress(sender.host), sender.port);
    }
}

void RemoteServer::publishState() {
    const RemoteState snapshot = m_target.state();
    if (m_publishedOnce && snapshot == m_published)
        return;
    m_published = snapshot;
    m_publishedOnce = true;
    const QByteArray json = snapshot.toJson();
    for (const RemoteSender& sender : m_protocol.subscribers()) {
        if (sender.transport == RemoteSender::Transport::Text) {
            if (m_textUdp)
                m_textUdp->writeDatagram("showing " + json + '\n', QHostAddress(sender.host),
                                         sender.port);
        } else {
            send(sender, OscCodec::encode(UpdateAddress, {json}));
        }
    }
}

void RemoteServer::dropIdleConnections() {
    const qint64 now = m_clock.nowMs();
    const QList<RemoteConnection*> connections = m_connections;
    for (RemoteConnection* connection : connections)
        if (now - connection->lastHeardMs() >= IdleConnectionMs)
            connection->close();
}
