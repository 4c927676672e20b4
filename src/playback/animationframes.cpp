#include "animationframes.h"

#include "display/texthelpers.h"

namespace AnimationFrames {

QList<QByteArray> window(const QList<QByteArray>& lines, qint64 first, int lineCount) {
    QList<QByteArray> shown;
    shown.reserve(qMax(lineCount, 0));
    for (int i = 0; i < lineCount; ++i) {
        const qint64 j = first + i;
        shown.append(j >= 0 && j < lines.size() ? lines.at(qsizetype(j)) : QByteArray());
    }
    return shown;
}

QByteArray runString(const QByteArray& text, int columnCount) {
    return TextHelpers::prependCopies(text, QByteArrayLiteral(" "), columnCount);
}

QByteArray flowWindow(const QByteArray& run, int index, int columnCount) {
    return run.mid(qMax(index, 1) - 1, columnCount);
}

QList<QByteArray> flowLines(const QByteArray& window, int runningLine,
                            const QList<QByteArray>& fixedLines, int lineCount) {
    QList<QByteArray> shown;
    shown.reserve(qMax(lineCount, 0));
    int next = 0;
    for (int d = 1; d <= lineCount; ++d)
        shown.append(d == runningLine ? window : fixedLines.value(next++));
    return shown;
}

} // namespace AnimationFrames
