#include "ptyreader.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

#include <algorithm>

PtyReader::PtyReader(const QString& path) {
    m_port.setPortName(path);
    m_port.setReadBufferSize(0);
    m_port.open(QIODevice::ReadWrite);
}

QByteArray PtyReader::readAtLeast(int count, int timeoutMs) {
    QByteArray received;
    QDeadlineTimer deadline(timeoutMs);
    while (m_port.isOpen()) {
        received += m_port.readAll();
        if (received.size() >= count || deadline.hasExpired())
            break;
        QCoreApplication::processEvents();
        // Short waits, so the event loop turns while a writer in this thread is at work.
        const qint64 remaining = deadline.remainingTime();
        m_port.waitForReadyRead(static_cast<int>(std::min<qint64>(remaining, 20)));
    }
    return received;
}

bool PtyReader::write(const QByteArray& bytes) {
    if (!m_port.isOpen() || m_port.write(bytes) != bytes.size())
        return false;
    while (m_port.bytesToWrite() > 0) {
        if (!m_port.waitForBytesWritten(5000))
            return false;
    }
    return true;
}
