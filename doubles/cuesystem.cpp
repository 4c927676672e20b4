#include "cuesystem.h"

#include "remote/osccodec.h"
#include "remote/oscstreamframer.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QNetworkDatagram>
#include <QTcpServer>

#include <lo/lo.h>

#include <cstdlib>

namespace {

// Events run between the waits, so that a server in the same process answers.
QByteArray waitForDatagram(QUdpSocket& socket, int timeoutMs) {
    QDeadlineTimer deadline(timeoutMs);
    while (!socket.hasPendingDatagrams() && !deadline.hasExpired()) {
        QCoreApplication::processEvents();
        socket.waitForReadyRead(1);
    }
    return socket.hasPendingDatagrams() ? socket.receiveDatagram().data() : QByteArray();
}

QByteArray intMessage(const QByteArray& address, int value) {
    lo_message message = lo_message_new();
    lo_message_add_int32(message, value);
    size_t size = 0;
    void* bytes = lo_message_serialise(message, address.constData(), nullptr, &size);
    const QByteArray packet(static_cast<const char*>(bytes), int(size));
    std::free(bytes);
    lo_message_free(message);
    return packet;
}

} // namespace

CueSystem::CueSystem() {
    m_osc.bind(QHostAddress::LocalHost, 0);
    m_text.bind(QHostAddress::LocalHost, 0);
}

quint16 CueSystem::freePort() {
    for (int attempt = 0; attempt < 50; ++attempt) {
        QUdpSocket udp;
        if (!udp.bind(QHostAddress::LocalHost, 0))
            continue;
        QTcpServer tcp;
        if (tcp.listen(QHostAddress::LocalHost, udp.localPort()))
            return udp.localPort();
    }
    return 0;
}

void CueSystem::sendOsc(quint16 port, const QByteArray& address, const QList<QByteArray>& strings) {
    m_osc.writeDatagram(OscCodec::encode(address, strings), QHostAddress::LocalHost, port);
}

void CueSystem::sendOscInt(quint16 port, const QByteArray& address, int value) {
    m_osc.writeDatagram(intMessage(address, value), QHostAddress::LocalHost, port);
}

void CueSystem::sendText(quint16 port, const QByteArray& text) {
    m_text.writeDatagram(text, QHostAddress::LocalHost, port);
}

QByteArray CueSystem::nextOscReply(int timeoutMs) {
    const QByteArray packet = waitForDatagram(m_osc, timeoutMs);
    return packet.isEmpty() ? QByteArray() : describe(packet);
}

QByteArray CueSystem::nextTextReply(int timeoutMs) {
    return waitForDatagram(m_text, timeoutMs);
}

bool CueSystem::connectTcp(quint16 port) {
    m_tcp.connectToHost(QHostAddress::LocalHost, port);
    QDeadlineTimer deadline(5000);
    while (m_tcp.state() != QAbstractSocket::ConnectedState && !deadline.hasExpired()) {
        QCoreApplication::processEvents();
        m_tcp.waitForConnected(1);
    }
    return m_tcp.state() == QAbstractSocket::ConnectedState;
}

void CueSystem::sendTcp(const QByteArray& address, const QList<QByteArray>& strings) {
    m_tcp.write(OscStreamFramer::slipEncode(OscCodec::encode(address, strings)));
    m_tcp.flush();
}

QByteArray CueSystem::nextTcpReply(int timeoutMs) {
    QDeadlineTimer deadline(timeoutMs);
    OscStreamFramer framer;
    for (;;) {
        // Keeps what follows the first complete packet for the next call.
        const int start = int(m_tcpBuffer.indexOf(OscStreamFramer::End));
        const int end = start < 0 ? -1 : int(m_tcpBuffer.indexOf(OscStreamFramer::End, start + 1));
        if (end > start) {
            const QList<QByteArray> packets = framer.feed(m_tcpBuffer.left(end + 1));
            m_tcpBuffer.remove(0, end + 1);
            if (!packets.isEmpty())
                return describe(packets.front());
            continue;
        }
        if (deadline.hasExpired() || m_tcp.state() != QAbstractSocket::ConnectedState)
            return {};
        QCoreApplication::processEvents();
        m_tcp.waitForReadyRead(1);
        m_tcpBuffer += m_tcp.readAll();
    }
}

QByteArray CueSystem::describe(const QByteArray& packet) {
    const QList<OscMessage> messages = OscCodec::decode(packet);
    if (messages.isEmpty())
        return "<malformed>";
    QByteArray text = messages.front().address;
    for (const OscArgument& argument : messages.front().arguments)
        text +=
            ' ' + (argument.type == OscArgument::Type::Int ? QByteArray::number(argument.integer)
                                                           : argument.text);
    return text;
}
