#pragma once

#include <QByteArray>
#include <QSerialPort>
#include <QString>

// The far end of a pseudo-terminal pair in a test: opens a link raw and reads or writes.
class PtyReader {
public:
    explicit PtyReader(const QString& path);

    bool isOpen() const { return m_port.isOpen(); }
    QString errorString() const { return m_port.errorString(); }

    // Reads until at least count bytes have arrived or the time is up; returns all bytes
    // read. Pending events run between waits, so a writer on the same thread gets its
    // bytes out.
    QByteArray readAtLeast(int count, int timeoutMs = 5000);
    // Writes all bytes and waits until they have left.
    bool write(const QByteArray& bytes);

private:
    QSerialPort m_port;
};
