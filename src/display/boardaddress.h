#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// Where a board is reached: a serial port "COMn" or a serial device server in raw TCP mode,
// "tcp://HOST:PORT". The text form is what the settings file and the displays dialog hold.
struct BoardAddress {
    enum class Kind { Serial, Tcp };

    Kind kind = Kind::Serial;
    int portNumber = 0; // COMn
    QString host;       // tcp://
    quint16 tcpPort = 0;

    // Reads one item ("COM8", " com8 ", "tcp://10.0.0.20:4001", "tcp://[::1]:4001"); nothing
    // for anything else.
    static std::optional<BoardAddress> parse(const QString& text);
    // Reads a comma list; the items that are no address are named in `rejected`, and an
    // address given twice counts once.
    static QList<BoardAddress> parseList(const QString& text, QStringList* rejected = nullptr);
    static QString joinList(const QList<BoardAddress>& addresses);

    QString text() const;
    bool operator==(const BoardAddress& other) const { return text() == other.text(); }
    bool operator!=(const BoardAddress& other) const { return !(*this == other); }
};
