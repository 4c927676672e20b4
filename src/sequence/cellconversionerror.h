#pragma once

#include "columnname.h"
#include "conversionerror.h"

#include "platform/windows1252.h"

#include <QByteArray>
#include <QCoreApplication>

// A cell of a row that does not convert: the message is the cell's own conversion message,
// the column says which cell it was.
class CellConversionError final : public ConversionError {
public:
    CellConversionError(const QString& message, int column)
        : ConversionError(message)
        , m_column(column) {}

    int column() const { return m_column; }

    // The message with the entry's text number and the column in front, so that the
    // operator can find the cell in a long sequence.
    QString locatedMessage(const QByteArray& number) const {
        return QCoreApplication::translate("CellConversionError", "Text %1, Spalte %2: %3")
            .arg(Windows1252::toUnicode(number), columnName(m_column), QString::fromUtf8(what()));
    }
    // The same error, its message located.
    CellConversionError located(const QByteArray& number) const {
        return CellConversionError(locatedMessage(number), m_column);
    }

private:
    int m_column;
};
