#pragma once

#include "fileerror.h"

#include <QtGlobal>

// A sequence file too large for any show: a cell far longer than a display can show, or more
// lines than a sequence can number. No window can lay out or list such a file in reasonable
// time, so it is refused whole and nothing of it is taken.
class OversizedFileError final : public FileError {
public:
    // A cell of `size` characters; `line` counts from 0 (the header line), `column` from 0
    // (the marker column). An empty path leaves the file unnamed.
    static OversizedFileError cell(int line, int column, qsizetype size,
                                   const QString& path = QString());
    // More than the allowed number of data lines.
    static OversizedFileError lines(const QString& path = QString());
    // The same error naming the file.
    OversizedFileError withPath(const QString& path) const;

    // -1 when the file has too many lines.
    int line() const { return m_line; }
    int column() const { return m_column; }
    qsizetype size() const { return m_size; }

private:
    OversizedFileError(int line, int column, qsizetype size, const QString& path);

    int m_line;
    int m_column;
    qsizetype m_size;
};
