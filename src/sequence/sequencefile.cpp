#include "sequencefile.h"

#include "fileerror.h"
#include "oversizedfileerror.h"
#include "separatorstospaces.h"

#include "platform/filesync.h"
#include "platform/windows1252.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

constexpr char Tab = '\t';

void appendCell(QByteArray& out, const QByteArray& cell) {
    out += separatorsToSpaces(cell);
    out += Tab;
}

void appendLine(QByteArray& out, const SequenceTable::Cells& cells) {
    for (const QByteArray& cell : cells)
        appendCell(out, cell);
    out += "\r\n";
}

SequenceTable::Cells headerCells(const SequenceTable& table) {
    SequenceTable::Cells header;
    for (int column = 0; column < SequenceTable::Columns; ++column)
        header[column] = Windows1252::fromUnicode(
            table.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString());
    return header;
}

using LongCells = SequenceFile::LongCells;

// A cell beyond the bound refuses the file (`line` names it in the error), or is cut to the
// bound and noted.
QByteArray takeCell(const char* begin, const char* end, int line, int column, LongCells longCells,
                    bool& cut) {
    qsizetype size = end - begin;
    if (!SequenceFile::fitsCell(size)) {
        if (longCells == LongCells::Refuse)
            throw OversizedFileError::cell(line, column, size);
        size = SequenceFile::MaxCellBytes;
        cut = true;
    }
    return QByteArray(begin, size);
}

SequenceTable::Cells splitFields(const char* begin, const char* end, int line, LongCells longCells,
                                 bool& cut) {
    SequenceTable::Cells cells;
    int column = 0;
    const char* field = begin;
    for (const char* p = begin; p != end && column < SequenceTable::Columns; ++p) {
        if (*p == Tab) {
            cells[column] = takeCell(field, p, line, column, longCells, cut);
            ++column;
            field = p + 1;
        }
    }
    // The last field of a line that does not end in a tab.
    if (column < SequenceTable::Columns && field != end)
        cells[column] = takeCell(field, end, line, column, longCells, cut);
    return cells;
}

} // namespace

QByteArray SequenceFile::encode(const SequenceTable& table) {
    return encode(lines(table));
}

SequenceFile::Lines SequenceFile::lines(const SequenceTable& table) {
    Lines lines;
    lines.hasHeader = true;
    lines.header = headerCells(table);
    lines.rows.reserve(size_t(table.gridRowCount() - 1));
    for (int row = 1; row < table.gridRowCount(); ++row)
        lines.rows.push_back(table.rowCells(row));
    return lines;
}

QByteArray SequenceFile::encode(const Lines& lines) {
    QByteArray out;
    // Rows are about as long as their cells plus the tabs; reserving once keeps large
    // sequences from being copied while they grow.
    qsizetype estimate = 64;
    for (const SequenceTable::Cells& cells : lines.rows)
        for (const QByteArray& cell : cells)
            estimate += cell.size() + 1;
    out.reserve(estimate + 2 * qsizetype(lines.rows.size()));
    if (lines.hasHeader)
        appendLine(out, lines.header);
    for (const SequenceTable::Cells& cells : lines.rows)
        appendLine(out, cells);
    return out;
}

SequenceFile::Lines SequenceFile::decode(const QByteArray& original, LongCells longCells) {
    Lines lines;
    QByteArray text = original;
    if (text.contains('\0')) {
        text.replace('\0', ' ');
        lines.nulsReplaced = true;
    }
    const char* p = text.constData();
    const char* end = p + text.size();
    bool first = true;
    int line = 0;
    while (p != end) {
        const char* lineEnd = p;
        while (lineEnd != end && *lineEnd != '\r' && *lineEnd != '\n')
            ++lineEnd;
        bool cut = false;
        const SequenceTable::Cells cells = splitFields(p, lineEnd, line, longCells, cut);
        if (cut)
            lines.cutLines.push_back(line);
        ++line;
        if (first) {
            lines.hasHeader = true;
            lines.header = cells;
            first = false;
        } else {
            if (lines.rows.size() == size_t(MaxRows))
                throw OversizedFileError::lines();
            lines.rows.push_back(cells);
        }
        p = lineEnd;
        if (p != end)
            p += (*p == '\r' && p + 1 != end && p[1] == '\n') ? 2 : 1;
    }
    return lines;
}

void SequenceFile::save(const SequenceTable& table, const QString& path) {
    write(encode(table), path);
}

void SequenceFile::write(const QByteArray& text, const QString& path) {
    QSaveFile file(path);
    // Unbuffered, so that a write cut short (a full disk) shows in its count: the buffered
    // device reports a short flush as success, and commit() would then replace the old file
    // with the cut one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw FileError::cannotCreate(path);
    if (file.write(text) != text.size() || !FileSync::contents(file)) {
        file.cancelWriting();
        throw FileError::cannotCreate(path);
    }
    if (!file.commit())
        throw FileError::cannotCreate(path);
    // The new file is whole on disk; the rename that put it in place is not until its
    // folder is synced. The old contents are gone either way, so a failure here is only
    // worth a word in the log.
    if (!FileSync::folder(QFileInfo(path).absolutePath()))
        qWarning("the folder of %s could not be synced", qPrintable(path));
}

SequenceFile::Lines SequenceFile::read(const QString& path, LongCells longCells) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FileError::cannotOpen(path);
    const QByteArray text = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw FileError::cannotOpen(path);
    try {
        return decode(text, longCells);
    } catch (const OversizedFileError& e) {
        throw e.withPath(path);
    }
}

void SequenceFile::fill(SequenceTable& table, const Lines& lines) {
    if (lines.hasHeader)
        table.setHeaderTexts(lines.header);
    if (!lines.rows.empty())
        table.setRows(lines.rows);
}

SequenceFile::Lines SequenceFile::load(SequenceTable& table, const QString& path) {
    Lines lines = read(path);
    fill(table, lines);
    return lines;
}
