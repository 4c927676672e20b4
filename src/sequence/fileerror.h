#pragma once

#include <QDir>
#include <QString>

#include <stdexcept>

// A sequence file that cannot be created or opened. Caught at the edge of an event handler
// and shown by the general error box, like a cell that does not convert.
class FileError : public std::runtime_error {
public:
    explicit FileError(const QString& message)
        : std::runtime_error(message.toStdString()) {}

    static FileError cannotCreate(const QString& path) {
        return FileError(QStringLiteral("Datei %1 kann nicht erstellt werden")
                             .arg(QDir::toNativeSeparators(path)));
    }
    static FileError cannotOpen(const QString& path) {
        return FileError(QStringLiteral("Datei %1 kann nicht geöffnet werden")
                             .arg(QDir::toNativeSeparators(path)));
    }
};
