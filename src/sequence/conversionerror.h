#pragma once

#include <QByteArray>
#include <QString>

#include <stdexcept>

// A cell that does not convert. Caught at the edge of an event handler and shown by the
// general error box; it ends only the current event.
class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(const QString& message)
        : std::runtime_error(message.toStdString()) {}
};
