#include "oversizedfileerror.h"

#include "columnname.h"
#include "sequencefile.h"

#include <QCoreApplication>

namespace {

QString message(int line, int column, qsizetype size, const QString& path) {
    const QString what =
        line < 0 ? QCoreApplication::translate("OversizedFileError",
                                               "Sie hat mehr als %1 Zeilen; ein Ablauf hat "
                                               "höchstens so viele Texte.")
                       .arg(SequenceFile::MaxRows)
                 : QCoreApplication::translate("OversizedFileError",
                                               "Zeile %1, Spalte %2 (%3) enthält %4 Zeichen; eine "
                                               "Zelle darf höchstens %5 Zeichen enthalten.")
                       .arg(line + 1)
                       .arg(column + 1)
                       .arg(columnName(column))
                       .arg(size)
                       .arg(SequenceFile::MaxCellBytes);
    if (path.isEmpty())
        return what;
    return QCoreApplication::translate("OversizedFileError", "Datei %1 wird nicht geöffnet: %2")
        .arg(QDir::toNativeSeparators(path), what);
}

} // namespace

OversizedFileError::OversizedFileError(int line, int column, qsizetype size, const QString& path)
    : FileError(message(line, column, size, path))
    , m_line(line)
    , m_column(column)
    , m_size(size) {
}

OversizedFileError OversizedFileError::cell(int line, int column, qsizetype size,
                                            const QString& path) {
    return OversizedFileError(line, column, size, path);
}

OversizedFileError OversizedFileError::lines(const QString& path) {
    return OversizedFileError(-1, -1, 0, path);
}

OversizedFileError OversizedFileError::withPath(const QString& path) const {
    return OversizedFileError(m_line, m_column, m_size, path);
}
