#pragma once

#include "conversionerror.h"

// A cell of a row that does not convert: the message is the cell's own conversion message,
// the column says which cell it was.
class CellConversionError final : public ConversionError {
public:
    CellConversionError(const QString& message, int column)
        : ConversionError(message)
        , m_column(column) {}

    int column() const { return m_column; }

private:
    int m_column;
};
