#pragma once

#include "comportresolver.h"
#include "serialport.h"

#include <QObject>
#include <QSerialPort>

// The display's serial port on a real device. The port number is turned into a device
// path by the resolver; received bytes are delivered on the user-interface thread as
// they arrive.
//
// When the device behind an open port vanishes (a USB adapter pulled, the far end of a
// pseudo-terminal gone), QSerialPort stays open and reports read or resource errors
// without end. The first such error closes the port; the next write opens it again once
// the device is back.
class QtSerialPort final : public QObject, public SerialPort {
    Q_OBJECT

public:
    explicit QtSerialPort(ComPortResolver resolver, QObject* parent = nullptr);
    ~QtSerialPort() override;

    const ComPortResolver& resolver() const { return m_resolver; }

    // Why a device did not open, in the operator's language; the system's own text is kept
    // for the failures the port does not name itself.
    static QString openFailure(QSerialPort::SerialPortError error, const QString& device,
                               const QString& systemText);
    static QString noDeviceFor(int portNumber);

signals:
    // The device vanished while the port was open; the port is closed by now.
    void deviceVanished(const QString& reason);

protected:
    QString openDevice(int portNumber, int baudRate) override;
    void closeDevice() override;
    bool isDeviceOpen() const override;
    void applyBaudRate(int baudRate) override;
    qint64 deviceBytesQueued() const override;
    bool writeToDevice(const QByteArray& bytes) override;

private:
    void onReadyRead();
    void onErrorOccurred(QSerialPort::SerialPortError error);
    void closeLostDevice(quint64 openingNumber, const QString& reason);

    ComPortResolver m_resolver;
    QSerialPort m_serial;
    // Counts opens and closes, so a loss reported for an earlier opening is dropped.
    quint64 m_openingNumber = 0;
    // Errors while opening (line settings a pseudo-terminal refuses) are not a loss.
    bool m_opening = false;
    // A loss was seen and the port closes on the next turn of the event loop.
    bool m_lossPending = false;
};
