#include "serialport.h"

#include "porterror.h"

SerialPort::SerialPort() = default;
SerialPort::~SerialPort() = default;

void SerialPort::open() {
    if (isOpen())
        return;
    if (m_portNumber == 0 && m_selector)
        m_portNumber = m_selector();
    if (m_portNumber <= 0) {
        m_portNumber = 0;
        throw PortError("no serial port chosen");
    }
    const QString error = openDevice(m_portNumber, m_baudRate);
    if (!error.isEmpty())
        throw PortError(QStringLiteral("COM%1: %2").arg(m_portNumber).arg(error).toStdString());
}

void SerialPort::close() {
    if (!isOpen())
        return;
    closeDevice();
    if (m_traceEnabled)
        m_trace.writeTo(m_traceFilePath);
}

bool SerialPort::isOpen() const {
    return isDeviceOpen();
}

void SerialPort::setBaudRate(int baud) {
    m_baudRate = baud;
    if (isOpen())
        applyBaudRate(baud);
}

void SerialPort::setOutputBufferSize(int bytes) {
    m_outputBufferSize = bytes > 0 ? bytes : 1;
}

qint64 SerialPort::bytesQueued() const {
    return isOpen() ? deviceBytesQueued() : 0;
}

void SerialPort::writeText(const QByteArray& bytes) {
    open();
    if (bytesQueued() + bytes.size() > m_outputBufferSize)
        throw PortError("serial output buffer full");
    if (!writeToDevice(bytes))
        throw PortError("serial device refused the write");
    if (m_traceEnabled)
        m_trace.record(SerialTrace::Direction::Sent, bytes);
}

void SerialPort::writeByte(char byte) {
    writeText(QByteArray(1, byte));
}

void SerialPort::deliverReceived(const QByteArray& bytes) {
    if (m_traceEnabled)
        m_trace.record(SerialTrace::Direction::Received, bytes);
    if (m_onReceived)
        m_onReceived(bytes);
}

void SerialPort::deviceLost() {
    close();
}
