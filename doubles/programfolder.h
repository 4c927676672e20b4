#pragma once

#include "app/programservices.h"

#include <QDir>
#include <QString>

#include <memory>

// The program's services for a start from a folder of its own, as if the executable named
// `executable` lived there (its settings file beside it), on a 1024 x 768 screen.
inline std::unique_ptr<ProgramServices> servicesInFolder(const QString& folder,
                                                         const QString& executable, Clock& clock,
                                                         EventPump& pump, Prompter& prompter,
                                                         SerialPort& port) {
    std::unique_ptr<ProgramServices> services(
        new ProgramServices{clock, pump, prompter, port, {}, {}, {}, {}});
    const QDir dir(folder);
    services->argv0 = dir.filePath(executable);
    services->fallbackDir = folder;
    services->configDir = dir.filePath(QStringLiteral("config"));
    services->showLogFolder = dir.filePath(QStringLiteral("logs"));
    services->screenWidth = 1024;
    services->screenHeight = 768;
    return services;
}
