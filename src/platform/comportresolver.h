#pragma once

#include <QString>

// Maps the port numbers the operator chooses (COM1 = 1 ... COM50) to device paths.
// Outside Windows a folder of links "COM1".."COM50" (a udev rule, or a test's
// pseudo-terminal) names the device; without a link a fixed mapping to the usual
// serial, USB and ACM device names applies.
class ComPortResolver {
public:
    static constexpr int MaxPort = 50;

    // $LUMENTAFEL_COM_DIR when set and not empty, else the user's configuration folder
    // + "/lumentafel/com".
    static QString defaultLinkFolder();

    explicit ComPortResolver(QString linkFolder = defaultLinkFolder());

    const QString& linkFolder() const { return m_linkFolder; }

    // The device path for COMn (1..50), empty for other n.
    QString devicePath(int portNumber) const;
    // True when devicePath(n) names something that exists; a dangling link does not.
    bool deviceExists(int portNumber) const;

    // The path used for COMn when the link folder has no entry for it.
    static QString defaultDevicePath(int portNumber);

private:
    QString m_linkFolder;
};
