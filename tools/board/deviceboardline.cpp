#include "deviceboardline.h"

DeviceBoardLine::DeviceBoardLine(const QString& path, int baudRate)
    : m_baudRate(baudRate) {
    m_port.setPortName(path);
    QObject::connect(&m_port, &QSerialPort::readyRead, [this] { deliver(m_port.readAll()); });
}

QString DeviceBoardLine::open() {
    if (!m_port.open(QIODevice::ReadWrite))
        return QStringLiteral("cannot open %1: %2").arg(m_port.portName(), m_port.errorString());
    m_port.setBaudRate(m_baudRate);
    m_port.setDataBits(QSerialPort::Data8);
    m_port.setParity(QSerialPort::NoParity);
    m_port.setStopBits(QSerialPort::TwoStop);
    m_port.setFlowControl(QSerialPort::NoFlowControl);
    return {};
}

void DeviceBoardLine::write(const QByteArray& bytes) {
    m_port.write(bytes);
}

QString DeviceBoardLine::description() const {
    return QStringLiteral("%1 at %2 baud").arg(m_port.portName()).arg(m_baudRate);
}
