#include "boardaddress.h"

#include "platform/comportresolver.h"

#include <QRegularExpression>

std::optional<BoardAddress> BoardAddress::parse(const QString& text) {
    const QString item = text.trimmed();
    static const QRegularExpression serial(QStringLiteral("^COM([0-9]{1,2})$"),
                                           QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression tcp(
        QStringLiteral("^tcp://(\\[[0-9A-Fa-f:.]+\\]|[A-Za-z0-9.-]+):([0-9]{1,5})$"),
        QRegularExpression::CaseInsensitiveOption);
    if (const QRegularExpressionMatch m = serial.match(item); m.hasMatch()) {
        const int number = m.captured(1).toInt();
        if (number < 1 || number > ComPortResolver::MaxPort)
            return std::nullopt;
        BoardAddress address;
        address.portNumber = number;
        return address;
    }
    if (const QRegularExpressionMatch m = tcp.match(item); m.hasMatch()) {
        const int port = m.captured(2).toInt();
        QString host = m.captured(1);
        if (port < 1 || port > 65535 || host.startsWith(QLatin1Char('.')) ||
            host.startsWith(QLatin1Char('-')))
            return std::nullopt;
        if (host.startsWith(QLatin1Char('['))) {
            host = host.mid(1, host.size() - 2);
            if (!host.contains(QLatin1Char(':')))
                return std::nullopt; // brackets hold an IPv6 address only
        }
        BoardAddress address;
        address.kind = Kind::Tcp;
        address.host = host.toLower();
        address.tcpPort = static_cast<quint16>(port);
        return address;
    }
    return std::nullopt;
}

QList<BoardAddress> BoardAddress::parseList(const QString& text, QStringList* rejected) {
    QList<BoardAddress> addresses;
    for (const QString& item : text.split(QLatin1Char(','))) {
        if (item.trimmed().isEmpty())
            continue;
        const std::optional<BoardAddress> address = parse(item);
        if (!address) {
            if (rejected)
                rejected->append(item.trimmed());
            continue;
        }
        if (!addresses.contains(*address))
            addresses.append(*address);
    }
    return addresses;
}

QString BoardAddress::joinList(const QList<BoardAddress>& addresses) {
    QStringList items;
    for (const BoardAddress& address : addresses)
        items.append(address.text());
    return items.join(QStringLiteral(", "));
}

QString BoardAddress::text() const {
    if (kind == Kind::Serial)
        return QStringLiteral("COM%1").arg(portNumber);
    const QString shownHost =
        host.contains(QLatin1Char(':')) ? QStringLiteral("[%1]").arg(host) : host;
    return QStringLiteral("tcp://%1:%2").arg(shownHost).arg(tcpPort);
}
