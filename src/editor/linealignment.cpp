#include "linealignment.h"

namespace LineAlignments {
namespace {

bool blank(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

QByteArray trimmed(const QByteArray& line) {
    qsizetype begin = 0;
    qsizetype end = line.size();
    while (begin < end && blank(line.at(begin)))
        ++begin;
    while (end > begin && blank(line.at(end - 1)))
        --end;
    return line.mid(begin, end - begin);
}

// Spaces in front up to `width`; a text as long or longer keeps only its first `width`
// characters.
QByteArray toWidth(const QByteArray& text, int width) {
    if (text.size() < width)
        return QByteArray(width - text.size(), ' ') + text;
    return width < 1 ? QByteArray() : text.left(width);
}

} // namespace

QByteArray alignLine(const QByteArray& line, LineAlignment alignment, int columns) {
    const QByteArray text = trimmed(line);
    const int length = static_cast<int>(text.size());
    switch (alignment) {
    case LineAlignment::Left:
        return text;
    case LineAlignment::Centre:
        // Cut towards zero: a line one longer than the display keeps all but its last one.
        return toWidth(text, length + (columns - length) / 2);
    case LineAlignment::Right:
        return toWidth(text, columns);
    }
    return text;
}

QList<QByteArray> alignLines(const QList<QByteArray>& lines, int first, int last,
                             LineAlignment alignment, int columns) {
    QList<QByteArray> out;
    out.reserve(lines.size());
    for (int i = 0; i < lines.size(); ++i)
        out.append(i >= first && i <= last ? alignLine(lines.at(i), alignment, columns)
                                           : lines.at(i));
    return out;
}

} // namespace LineAlignments
