#include "serialport.h"

#include "porterror.h"

#include <QCoreApplication>

namespace {

const char* const NoPortChosen = QT_TRANSLATE_NOOP("SerialPort", "Kein COM-Port gewählt.");
const char* const CannotOpen =
    QT_TRANSLATE_NOOP("SerialPort", "COM%1 kann nicht geöffnet werden: %2");
const char* const BufferFull =
    QT_TRANSLATE_NOOP("SerialPort", "Der Ausgabepuffer des COM-Ports ist voll.");
const char* const WriteRefused =
    QT_TRANSLATE_NOOP("SerialPort", "Der COM-Port hat die Daten nicht angenommen.");

// In the operator's language of the moment: the general error box shows the text as it stands.
QString text(const char* german) {
    return QCoreApplication::translate("SerialPort", german);
}

PortError failure(const QString& message) {
    return PortError(message.toStdString());
}

} // namespace

SerialPort::SerialPort() = default;
SerialPort::~SerialPort() = default;

void SerialPort::open() {
    if (isOpen())
        return;
    if (m_portNumber == 0 && m_selector)
        m_portNumber = m_selector();
    if (m_portNumber <= 0) {
        m_portNumber = 0;
        throw failure(text(NoPortChosen));
    }
    const QString error = openDevice(m_portNumber, m_baudRate);
    if (!error.isEmpty())
        throw failure(text(CannotOpen).arg(m_portNumber).arg(error));
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
        throw failure(text(BufferFull));
    if (!writeToDevice(bytes))
        throw failure(text(WriteRefused));
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
