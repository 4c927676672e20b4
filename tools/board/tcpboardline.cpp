#include "tcpboardline.h"

TcpBoardLine::TcpBoardLine(QHostAddress address, quint16 port)
    : m_address(std::move(address))
    , m_port(port) {
    QObject::connect(&m_server, &QTcpServer::newConnection, [this] { takeClient(); });
}

QString TcpBoardLine::open() {
    if (!m_server.listen(m_address, m_port))
        return QStringLiteral("cannot listen on TCP port %1: %2")
            .arg(m_port)
            .arg(m_server.errorString());
    return {};
}

void TcpBoardLine::takeClient() {
    while (QTcpSocket* client = m_server.nextPendingConnection()) {
        if (m_client) {
            m_client->disconnect();
            m_client->abort();
            m_client->deleteLater();
        }
        m_client = client;
        QObject::connect(client, &QTcpSocket::readyRead, client,
                         [this, client] { deliver(client->readAll()); });
        QObject::connect(client, &QTcpSocket::disconnected, client, &QObject::deleteLater);
    }
}

void TcpBoardLine::write(const QByteArray& bytes) {
    if (m_client && m_client->state() == QAbstractSocket::ConnectedState)
        m_client->write(bytes);
}

QString TcpBoardLine::description() const {
    const QHostAddress shown = m_address == QHostAddress::Any || m_address == QHostAddress::AnyIPv4
                                   ? QHostAddress(QHostAddress::LocalHost)
                                   : m_address;
    return QStringLiteral("tcp://%1:%2").arg(shown.toString()).arg(m_server.serverPort());
}
