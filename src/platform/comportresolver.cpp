#include "comportresolver.h"

#include <QFileInfo>
#include <QStandardPaths>

QString ComPortResolver::defaultLinkFolder() {
    const QString fromEnvironment = qEnvironmentVariable("LUMENTAFEL_COM_DIR");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/lumentafel/com");
}

ComPortResolver::ComPortResolver(QString linkFolder)
    : m_linkFolder(std::move(linkFolder)) {
}

QString ComPortResolver::defaultDevicePath(int portNumber) {
    if (portNumber < 1 || portNumber > MaxPort)
        return {};
#ifdef Q_OS_WIN
    return QStringLiteral("\\\\.\\COM%1").arg(portNumber);
#else
    if (portNumber <= 10)
        return QStringLiteral("/dev/ttyS%1").arg(portNumber - 1);
    if (portNumber <= 30)
        return QStringLiteral("/dev/ttyUSB%1").arg(portNumber - 11);
    return QStringLiteral("/dev/ttyACM%1").arg(portNumber - 31);
#endif
}

QString ComPortResolver::devicePath(int portNumber) const {
    if (portNumber < 1 || portNumber > MaxPort)
        return {};
#ifndef Q_OS_WIN
    // A link that is there but dangles still names the port: its device is gone, and the
    // port must not silently fall back to an unrelated device.
    const QString link = m_linkFolder + QStringLiteral("/COM%1").arg(portNumber);
    const QFileInfo info(link);
    if (info.isSymLink() || info.exists())
        return link;
#endif
    return defaultDevicePath(portNumber);
}

bool ComPortResolver::deviceExists(int portNumber) const {
    const QString path = devicePath(portNumber);
    if (path.isEmpty())
        return false;
#ifdef Q_OS_WIN
    // Windows device names are not files; opening is the only test.
    return true;
#else
    return QFileInfo::exists(path);
#endif
}
