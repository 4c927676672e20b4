#pragma once

#include "serialtrace.h"

#include <QByteArray>
#include <QString>

#include <functional>

// The display's serial line: 8 data bits, no parity, 2 stop bits, no flow control,
// DTR and RTS raised. This class holds the rules every port shares (open on demand,
// port selection for number 0, the output buffer limit, the trace); a subclass only
// moves bytes to and from a device.
class SerialPort {
public:
    static constexpr int DefaultOutputBufferSize = 63000;
    static constexpr int InputBufferSize = 4096;
    static constexpr int DefaultBaudRate = 19200;

    using PortSelector = std::function<int()>;
    using ReceiveHandler = std::function<void(const QByteArray&)>;

    SerialPort();
    virtual ~SerialPort();
    SerialPort(const SerialPort&) = delete;
    SerialPort& operator=(const SerialPort&) = delete;

    int portNumber() const { return m_portNumber; }
    void setPortNumber(int number) { m_portNumber = number < 0 ? 0 : number; }

    // Asked by open() when no port is chosen; answers a port number, 0 for none.
    void setPortSelector(PortSelector selector) { m_selector = std::move(selector); }
    void setReceiveHandler(ReceiveHandler handler) { m_onReceived = std::move(handler); }

    // Opens the device; with port number 0 the selector chooses first.
    // Does nothing on an open port. Throws PortError.
    void open();
    // Writes the trace file first when the trace is on.
    void close();
    bool isOpen() const;

    void setBaudRate(int baud);
    int baudRate() const { return m_baudRate; }
    void setOutputBufferSize(int bytes);
    int outputBufferSize() const { return m_outputBufferSize; }
    // Bytes still waiting to go out; 0 when closed.
    qint64 bytesQueued() const;

    // Queues all bytes in one piece, opening the port first when it is closed.
    // Throws PortError, with nothing queued, when the buffer lacks room for all of them.
    void writeText(const QByteArray& bytes);
    void writeByte(char byte);

    void setTraceEnabled(bool on) { m_traceEnabled = on; }
    bool traceEnabled() const { return m_traceEnabled; }
    const SerialTrace& trace() const { return m_trace; }
    // Where close() writes the trace; "APRO.TRC" in the current folder unless set.
    void setTraceFilePath(const QString& path) { m_traceFilePath = path; }

protected:
    // Opens the device of the port number with the line settings and the baud rate.
    // Returns an empty text on success, else why it failed.
    virtual QString openDevice(int portNumber, int baudRate) = 0;
    virtual void closeDevice() = 0;
    virtual bool isDeviceOpen() const = 0;
    virtual void applyBaudRate(int baudRate) = 0;
    virtual qint64 deviceBytesQueued() const = 0;
    // Hands the bytes to the device's queue; false when the device refused them.
    virtual bool writeToDevice(const QByteArray& bytes) = 0;

    // For subclasses: bytes that arrived, in order.
    void deliverReceived(const QByteArray& bytes);
    // For subclasses: the device vanished or failed; the port closes and the next write
    // opens it again on demand.
    void deviceLost();

private:
    int m_portNumber = 0;
    int m_baudRate = DefaultBaudRate;
    int m_outputBufferSize = DefaultOutputBufferSize;
    bool m_traceEnabled = false;
    QString m_traceFilePath = QStringLiteral("APRO.TRC");
    SerialTrace m_trace;
    PortSelector m_selector;
    ReceiveHandler m_onReceived;
};
