#pragma once

#include "boardline.h"

#include <QHostAddress>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>

// The board behind a serial device server in raw TCP mode: it listens on a TCP port and takes
// the bytes of one client as its serial line. A client that connects while another is
// connected takes its place: the program that lost its connection without noticing (a cable
// pulled on the way) gets through when it tries again.
class TcpBoardLine final : public BoardLine {
public:
    TcpBoardLine(QHostAddress address, quint16 port);

    QString open() override;
    void write(const QByteArray& bytes) override;
    QString description() const override;

private:
    void takeClient();

    QHostAddress m_address;
    quint16 m_port;
    QTcpServer m_server;
    QPointer<QTcpSocket> m_client;
};
