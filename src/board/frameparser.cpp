#include "frameparser.h"

#include "display/screenframe.h"

namespace FrameParser {

std::optional<QList<QByteArray>> parse(const QByteArray& frame, int lineCount, int columnCount) {
    if (lineCount < 1 || columnCount < 1)
        return std::nullopt;
    const qsizetype size = qsizetype(lineCount) * columnCount;
    if (frame.size() != size + 2 || frame.front() != ScreenFrame::Stx ||
        frame.back() != ScreenFrame::Etx)
        return std::nullopt;
    for (qsizetype i = 1; i <= size; ++i)
        if (static_cast<unsigned char>(frame.at(i)) < 0x20)
            return std::nullopt;
    QList<QByteArray> lines;
    lines.reserve(lineCount);
    for (int k = 0; k < lineCount; ++k)
        lines.append(frame.mid(1 + qsizetype(k) * columnCount, columnCount));
    return lines;
}

} // namespace FrameParser
