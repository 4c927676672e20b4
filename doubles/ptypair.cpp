#include "ptypair.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>

PtyPair::PtyPair(QString linkA, QString linkB)
    : m_linkA(std::move(linkA))
    , m_linkB(std::move(linkB)) {
    m_socat.setProcessChannelMode(QProcess::MergedChannels);
}

PtyPair::~PtyPair() {
    stop();
}

bool PtyPair::start(int timeoutMs) {
    stop();
    m_output.clear();
    const QString options = QStringLiteral("pty,raw,echo=0,link=");
    m_socat.start(QStringLiteral("socat"), {QStringLiteral("-d"), QStringLiteral("-d"),
                                            options + m_linkA, options + m_linkB});
    QDeadlineTimer deadline(timeoutMs);
    if (!m_socat.waitForStarted(static_cast<int>(deadline.remainingTime())))
        return false;
    // socat reports "starting data transfer loop" once both ends are set up.
    while (!m_output.contains("starting data transfer loop")) {
        if (m_socat.state() != QProcess::Running || deadline.hasExpired())
            return false;
        if (m_socat.waitForReadyRead(static_cast<int>(deadline.remainingTime())))
            m_output += m_socat.readAll();
    }
    return QFileInfo::exists(m_linkA) && QFileInfo::exists(m_linkB);
}

void PtyPair::stop() {
    if (m_socat.state() != QProcess::NotRunning) {
        m_socat.terminate();
        if (!m_socat.waitForFinished(5000)) {
            m_socat.kill();
            m_socat.waitForFinished(5000);
        }
        m_output += m_socat.readAll();
    }
    removeLeftoverLinks();
}

bool PtyPair::isRunning() const {
    return m_socat.state() == QProcess::Running;
}

void PtyPair::removeLeftoverLinks() {
    // socat removes its links on a normal exit; after a kill they would dangle.
    for (const QString& link : {m_linkA, m_linkB}) {
        if (QFileInfo(link).isSymLink())
            QFile::remove(link);
    }
}
