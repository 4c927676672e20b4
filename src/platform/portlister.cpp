#include "portlister.h"

#include <QSerialPort>

PortLister::PortLister(ComPortResolver resolver, ProbeFunction probe)
    : m_resolver(std::move(resolver))
    , m_probe(std::move(probe)) {
}

QStringList PortLister::availablePorts() const {
    QStringList items;
    for (int n = 1; n <= ComPortResolver::MaxPort; ++n) {
        if (!m_resolver.deviceExists(n))
            continue;
        const Probe result = m_probe ? m_probe(m_resolver.devicePath(n)) : Probe::Fails;
        if (result == Probe::Opens || result == Probe::AccessDenied)
            items << QStringLiteral("COM%1").arg(n);
    }
    return items;
}

PortLister::Probe PortLister::probeDevice(const QString& devicePath) {
    QSerialPort port;
    port.setPortName(devicePath);
    if (port.open(QIODevice::ReadWrite)) {
        port.close();
        return Probe::Opens;
    }
    return port.error() == QSerialPort::PermissionError ? Probe::AccessDenied : Probe::Fails;
}

int PortLister::portNumberOf(const QString& item) {
    bool ok = false;
    const int number = item.mid(3).toInt(&ok, 10);
    return ok && number > 0 ? number : 0;
}
