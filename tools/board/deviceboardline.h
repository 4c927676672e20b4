#pragma once

#include "boardline.h"

#include <QSerialPort>

// A serial device the board listens on: a real adapter, a null-modem cable from a second
// machine, one end of a socat pair. 8 data bits, no parity, 2 stop bits, as the program sends.
class DeviceBoardLine final : public BoardLine {
public:
    DeviceBoardLine(const QString& path, int baudRate);

    QString open() override;
    void write(const QByteArray& bytes) override;
    QString description() const override;

private:
    QSerialPort m_port;
    int m_baudRate;
};
