#include "tcpboardoutput.h"

#include "platform/ttyoutputqueue.h"

TcpBoardOutput::TcpBoardOutput(QString host, quint16 port, Clock& clock, QObject* parent)
    : BoardOutput(QStringLiteral("tcp://%1:%2")
                      .arg(host.contains(QLatin1Char(':'))
                               ? QLatin1Char('[') + host + QLatin1Char(']')
                               : host)
                      .arg(port),
                  clock, parent)
    , m_host(std::move(host))
    , m_port(port) {
    connect(&m_socket, &QTcpSocket::connected, this, [this] {
        m_socket.setSocketOption(QAbstractSocket::LowDelayOption, 1);
        m_socket.setSocketOption(QAbstractSocket::SendBufferSizeSocketOption, SendBufferBytes);
        linkUp();
    });
    connect(&m_socket, &QTcpSocket::readyRead, this,
            [this] { deliverReceived(m_socket.readAll()); });
    // Reported from inside the socket's own notification: go down on the next turn of the
    // event loop, so the socket is not aborted under its own feet.
    connect(
        &m_socket, &QTcpSocket::disconnected, this, [this] { linkDown(tr("Verbindung getrennt")); },
        Qt::QueuedConnection);
    connect(
        &m_socket, &QTcpSocket::errorOccurred, this,
        [this](QAbstractSocket::SocketError) { linkDown(m_socket.errorString()); },
        Qt::QueuedConnection);
}

TcpBoardOutput::~TcpBoardOutput() {
    m_socket.disconnect(this);
    m_socket.abort();
}

void TcpBoardOutput::flush() {
    if (m_socket.state() == QAbstractSocket::ConnectedState)
        m_socket.flush();
}

void TcpBoardOutput::connectLink() {
    m_socket.abort();
    m_socket.connectToHost(m_host, m_port);
}

void TcpBoardOutput::disconnectLink() {
    m_socket.abort();
}

bool TcpBoardOutput::linkStillUp() const {
    return m_socket.state() == QAbstractSocket::ConnectedState;
}

qint64 TcpBoardOutput::linkBytesQueued() const {
    // What the socket still buffers plus what the system has not yet had acknowledged (on
    // Linux the terminal's output-queue request answers that for a TCP socket too).
    return m_socket.bytesToWrite() + ttyOutputQueue(m_socket.socketDescriptor());
}

bool TcpBoardOutput::writeToLink(const QByteArray& bytes) {
    if (m_socket.state() != QAbstractSocket::ConnectedState)
        return false;
    if (m_socket.write(bytes) != bytes.size())
        return false;
    // Hand the bytes to the system at once, without waiting for the event loop.
    m_socket.flush();
    return true;
}
