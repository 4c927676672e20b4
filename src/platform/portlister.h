#pragma once

#include "comportresolver.h"

#include <QString>
#include <QStringList>

#include <functional>

// Builds the list of the port selection dialog: the names COM1..COM50 whose device is
// there and can be opened, or is held by another program.
class PortLister {
public:
    enum class Probe { Opens, AccessDenied, Fails };
    using ProbeFunction = std::function<Probe(const QString& devicePath)>;

    explicit PortLister(ComPortResolver resolver, ProbeFunction probe = &PortLister::probeDevice);

    // "COM" + n for n = 1..50, in that order, whose device exists and either opens (it is
    // closed again at once) or fails only because access is denied.
    QStringList availablePorts() const;

    // Opens the device and closes it again.
    static Probe probeDevice(const QString& devicePath);
    // "COM7" -> 7: the text after its first three characters as a decimal number;
    // 0 when that is not a positive number.
    static int portNumberOf(const QString& item);

private:
    ComPortResolver m_resolver;
    ProbeFunction m_probe;
};
