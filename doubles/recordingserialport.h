#pragma once

#include "platform/serialport.h"

#include <QSet>

// A port without a device: records every byte written, lets the test decide which port
// numbers open, how many bytes stay queued, and which replies arrive.
class RecordingSerialPort final : public SerialPort {
public:
    // Port numbers whose device opens; all others fail to open.
    void setAvailablePorts(const QSet<int>& ports) { m_available = ports; }
    void setQueued(qint64 bytes) { m_queued = bytes; }
    qint64 queued() const { return m_queued; }
    // When on, each write adds its size to the queued count.
    void setWritesQueue(bool on) { m_writesQueue = on; }
    void setRefuseWrites(bool on) { m_refuseWrites = on; }
    void injectReply(const QByteArray& bytes) { deliverReceived(bytes); }
    // The device disappears: the port closes as it would on a read or resource error.
    void pullDevice(int portNumber);

    const QByteArray& written() const { return m_written; }
    QList<QByteArray> writes() const { return m_writes; }
    void clearWritten();
    int openCount() const { return m_openCount; }
    int openedPort() const { return m_openPort; }

protected:
    QString openDevice(int portNumber, int baudRate) override;
    void closeDevice() override;
    bool isDeviceOpen() const override { return m_openPort != 0; }
    void applyBaudRate(int baudRate) override { m_deviceBaud = baudRate; }
    qint64 deviceBytesQueued() const override { return m_queued; }
    bool writeToDevice(const QByteArray& bytes) override;

public:
    int deviceBaudRate() const { return m_deviceBaud; }

private:
    QSet<int> m_available;
    int m_openPort = 0;
    int m_openCount = 0;
    int m_deviceBaud = 0;
    qint64 m_queued = 0;
    bool m_writesQueue = false;
    bool m_refuseWrites = false;
    QByteArray m_written;
    QList<QByteArray> m_writes;
};
