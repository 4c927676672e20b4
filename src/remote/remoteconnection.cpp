#include "remoteconnection.h"

RemoteConnection::RemoteConnection(QTcpSocket* socket, quint64 serial, qint64 nowMs,
                                   QObject* parent)
    : QObject(parent)
    , m_socket(socket)
    , m_lastHeardMs(nowMs) {
    m_socket->setParent(this);
    m_socket->setReadBufferSize(ReadBufferBytes);
    m_sender.transport = RemoteSender::Transport::Tcp;
    m_sender.host = m_socket->peerAddress().toString();
    m_sender.port = m_socket->peerPort();
    m_sender.connection = serial;
    m_socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    connect(m_socket, &QTcpSocket::readyRead, this, &RemoteConnection::readAvailable);
    connect(m_socket, &QTcpSocket::disconnected, this, &RemoteConnection::close);
    connect(m_socket, &QTcpSocket::errorOccurred, this, &RemoteConnection::close);
}

RemoteConnection::~RemoteConnection() {
    m_closing = true;
    m_socket->disconnect(this);
    m_socket->abort();
}

void RemoteConnection::readAvailable() {
    if (m_closing)
        return;
    const QList<QByteArray> packets = m_framer.feed(m_socket->readAll());
    if (!packets.isEmpty())
        emit packetsArrived(packets);
    if (m_framer.isBroken())
        close();
}

void RemoteConnection::send(const QByteArray& packet) {
    if (m_closing || m_socket->state() != QAbstractSocket::ConnectedState)
        return;
    m_socket->write(m_framer.frame(packet));
    if (m_socket->bytesToWrite() > MaximumUnsentBytes)
        close();
}

void RemoteConnection::close() {
    if (m_closing)
        return;
    m_closing = true;
    m_socket->abort();
    emit closed();
}
