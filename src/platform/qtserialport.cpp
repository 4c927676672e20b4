#include "qtserialport.h"

#include "ttyoutputqueue.h"

QtSerialPort::QtSerialPort(ComPortResolver resolver, QObject* parent)
    : QObject(parent)
    , m_resolver(std::move(resolver)) {
    connect(&m_serial, &QSerialPort::readyRead, this, &QtSerialPort::onReadyRead);
    connect(&m_serial, &QSerialPort::errorOccurred, this, &QtSerialPort::onErrorOccurred);
}

QtSerialPort::~QtSerialPort() {
    m_serial.disconnect(this);
    m_serial.close();
}

QString QtSerialPort::openFailure(QSerialPort::SerialPortError error, const QString& device,
                                  const QString& systemText) {
    switch (error) {
    case QSerialPort::DeviceNotFoundError:
        return tr("Das Gerät %1 ist nicht vorhanden.").arg(device);
    case QSerialPort::PermissionError:
        return tr("Kein Zugriff auf %1: es ist schon von einem anderen Programm geöffnet, oder "
                  "die Rechte fehlen.")
            .arg(device);
    case QSerialPort::OpenError:
        return tr("%1 ist schon geöffnet.").arg(device);
    default:
        return tr("%1 lässt sich nicht öffnen (%2).").arg(device, systemText);
    }
}

QString QtSerialPort::noDeviceFor(int portNumber) {
    return tr("Zu COM%1 gehört kein Gerät.").arg(portNumber);
}

QString QtSerialPort::openDevice(int portNumber, int baudRate) {
    const QString path = m_resolver.devicePath(portNumber);
    if (path.isEmpty())
        return noDeviceFor(portNumber);
    if (m_serial.isOpen())
        m_serial.close();
    ++m_openingNumber;
    m_lossPending = false;
    m_opening = true;
    // A path starting with '/' is taken as the device's location as it stands.
    m_serial.setPortName(path);
    m_serial.setBaudRate(baudRate);
    m_serial.setDataBits(QSerialPort::Data8);
    m_serial.setParity(QSerialPort::NoParity);
    m_serial.setStopBits(QSerialPort::TwoStop);
    m_serial.setFlowControl(QSerialPort::NoFlowControl);
    // No read buffer limit: QSerialPort would stop reading once it is full, while the
    // device's replies must all reach the reply matcher.
    m_serial.setReadBufferSize(0);
    if (!m_serial.open(QIODevice::ReadWrite)) {
        m_opening = false;
        return openFailure(m_serial.error(), path, m_serial.errorString());
    }
    // A pseudo-terminal has no modem lines and refuses these; the port works anyway.
    m_serial.setDataTerminalReady(true);
    m_serial.setRequestToSend(true);
    m_serial.clearError();
    m_opening = false;
    return {};
}

void QtSerialPort::closeDevice() {
    ++m_openingNumber;
    m_lossPending = false;
    m_serial.close();
}

bool QtSerialPort::isDeviceOpen() const {
    return m_serial.isOpen();
}

void QtSerialPort::applyBaudRate(int baudRate) {
    m_serial.setBaudRate(baudRate);
}

qint64 QtSerialPort::deviceBytesQueued() const {
    return m_serial.bytesToWrite() + ttyOutputQueue(m_serial.handle());
}

bool QtSerialPort::writeToDevice(const QByteArray& bytes) {
    if (m_lossPending)
        return false;
    if (m_serial.write(bytes) != bytes.size())
        return false;
    // Hand the bytes to the kernel at once: the queued count then shows the line's real
    // lag, and the bytes leave even while no event loop runs.
    m_serial.flush();
    return true;
}

void QtSerialPort::onReadyRead() {
    const QByteArray bytes = m_serial.readAll();
    if (!bytes.isEmpty())
        deliverReceived(bytes);
}

void QtSerialPort::onErrorOccurred(QSerialPort::SerialPortError error) {
    switch (error) {
    case QSerialPort::ResourceError:
    case QSerialPort::ReadError:
    case QSerialPort::WriteError:
        break;
    default:
        return; // NoError arrives on every open; timeouts and refused settings are no loss
    }
    if (m_opening || m_lossPending || !m_serial.isOpen())
        return;
    m_lossPending = true;
    // The error is reported from inside QSerialPort's own notification; closing the
    // device there would pull it out from under that code. Close on the next turn of the
    // event loop; until then further errors are ignored and writes fail.
    const quint64 openingNumber = m_openingNumber;
    const QString reason = m_serial.errorString();
    QMetaObject::invokeMethod(
        this, [this, openingNumber, reason] { closeLostDevice(openingNumber, reason); },
        Qt::QueuedConnection);
}

void QtSerialPort::closeLostDevice(quint64 openingNumber, const QString& reason) {
    if (openingNumber != m_openingNumber || !m_lossPending)
        return; // closed or opened again meanwhile
    deviceLost();
    m_lossPending = false;
    emit deviceVanished(reason);
}
