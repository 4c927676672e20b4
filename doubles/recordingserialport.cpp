#include "recordingserialport.h"

void RecordingSerialPort::pullDevice(int portNumber) {
    m_available.remove(portNumber);
    if (m_openPort == portNumber)
        deviceLost();
}

void RecordingSerialPort::clearWritten() {
    m_written.clear();
    m_writes.clear();
}

QString RecordingSerialPort::openDevice(int portNumber, int baudRate) {
    if (!m_available.contains(portNumber))
        return QStringLiteral("no such device");
    m_openPort = portNumber;
    m_deviceBaud = baudRate;
    ++m_openCount;
    return {};
}

void RecordingSerialPort::closeDevice() {
    m_openPort = 0;
    m_queued = 0;
}

bool RecordingSerialPort::writeToDevice(const QByteArray& bytes) {
    if (m_refuseWrites)
        return false;
    m_written += bytes;
    m_writes << bytes;
    if (m_writesQueue)
        m_queued += bytes.size();
    return true;
}
