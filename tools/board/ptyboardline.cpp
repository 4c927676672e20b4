#include "ptyboardline.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

PtyBoardLine::PtyBoardLine(QString linkPath)
    : m_linkPath(std::move(linkPath)) {
}

PtyBoardLine::~PtyBoardLine() {
    delete m_notifier;
    removeLink();
    if (m_slave >= 0)
        ::close(m_slave);
    if (m_master >= 0)
        ::close(m_master);
}

QString PtyBoardLine::open() {
    m_master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (m_master < 0 || ::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0)
        return QStringLiteral("no pseudo-terminal: %1")
            .arg(QString::fromLocal8Bit(strerror(errno)));
    const char* name = ::ptsname(m_master);
    if (!name)
        return QStringLiteral("no pseudo-terminal name");
    m_devicePath = QString::fromLocal8Bit(name);
    m_slave = ::open(name, O_RDWR | O_NOCTTY);
    if (m_slave < 0)
        return QStringLiteral("cannot open %1").arg(m_devicePath);
    // Raw both ways: no echo of the board's replies back to the board, no line editing.
    termios settings{};
    ::tcgetattr(m_slave, &settings);
    ::cfmakeraw(&settings);
    ::tcsetattr(m_slave, TCSANOW, &settings);
    ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);

    QDir().mkpath(QFileInfo(m_linkPath).absolutePath());
    if (QFileInfo(m_linkPath).isSymLink())
        QFile::remove(m_linkPath); // left by a board that was killed
    if (QFileInfo::exists(m_linkPath))
        return QStringLiteral("%1 exists and is not a link").arg(m_linkPath);
    if (!QFile::link(m_devicePath, m_linkPath))
        return QStringLiteral("cannot create the link %1").arg(m_linkPath);
    m_linked = true;

    m_notifier = new QSocketNotifier(m_master, QSocketNotifier::Read);
    QObject::connect(m_notifier, &QSocketNotifier::activated, [this] { readAvailable(); });
    return {};
}

void PtyBoardLine::write(const QByteArray& bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(m_master, bytes.constData() + done, size_t(bytes.size() - done));
        if (n > 0) {
            done += n;
        } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            // The program is not reading: wait a little for room, then give the rest up.
            pollfd p{m_master, POLLOUT, 0};
            if (::poll(&p, 1, 1000) <= 0)
                return;
        } else if (n < 0 && errno != EINTR) {
            return;
        }
    }
}

QString PtyBoardLine::description() const {
    return QStringLiteral("%1 -> %2").arg(m_linkPath, m_devicePath);
}

void PtyBoardLine::removeLink() {
    if (m_linked && QFileInfo(m_linkPath).isSymLink())
        QFile::remove(m_linkPath);
    m_linked = false;
}

void PtyBoardLine::readAvailable() {
    char buffer[4096];
    QByteArray bytes;
    for (;;) {
        const ssize_t n = ::read(m_master, buffer, sizeof buffer);
        if (n > 0) {
            bytes.append(buffer, n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        break;
    }
    if (!bytes.isEmpty())
        deliver(bytes);
}
