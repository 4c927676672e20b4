#pragma once

#include "boardoutput.h"

#include <QTcpSocket>

// A board behind a serial device server in raw TCP mode: the bytes of the serial line pass
// through one TCP connection as they are. Connecting never blocks; a refused, reset or closed
// connection is tried again on the board output's back-off.
class TcpBoardOutput final : public BoardOutput {
    Q_OBJECT

public:
    // The system's send buffer of the connection: small, so that a server that stops taking
    // bytes shows as stalled within a few frames instead of after megabytes.
    static constexpr int SendBufferBytes = 8192;

    TcpBoardOutput(QString host, quint16 port, Clock& clock, QObject* parent = nullptr);
    ~TcpBoardOutput() override;

    void flush() override;

protected:
    void connectLink() override;
    void disconnectLink() override;
    bool linkStillUp() const override;
    qint64 linkBytesQueued() const override;
    bool writeToLink(const QByteArray& bytes) override;

private:
    QString m_host;
    quint16 m_port;
    QTcpSocket m_socket;
};
