#pragma once

#include <QString>
#include <QtGlobal>

// Where a remote message came from, and where its reply goes: a UDP sender by its address
// and port, a TCP sender by its connection.
struct RemoteSender {
    enum class Transport { Udp, Tcp, Text };

    Transport transport = Transport::Udp;
    QString host;
    quint16 port = 0;
    // The connection's serial number (TCP only).
    quint64 connection = 0;

    // Unique among the senders: one per UDP address and port, one per TCP connection.
    QString key() const {
        const char* name = transport == Transport::Udp   ? "udp"
                           : transport == Transport::Tcp ? "tcp"
                                                         : "text";
        return QStringLiteral("%1 %2 %3 %4")
            .arg(QLatin1String(name), host)
            .arg(port)
            .arg(connection);
    }
    // As the status line and the dialog show it: "192.168.1.20:53001 (TCP)".
    QString label() const {
        const char* name = transport == Transport::Udp   ? "UDP"
                           : transport == Transport::Tcp ? "TCP"
                                                         : "Text";
        const QString address =
            host.contains(QLatin1Char(':')) ? QLatin1Char('[') + host + QLatin1Char(']') : host;
        return QStringLiteral("%1:%2 (%3)").arg(address).arg(port).arg(QLatin1String(name));
    }
};
