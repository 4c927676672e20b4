#pragma once

#include <QByteArray>
#include <QList>

// The frames in a stretch of wire bytes (what lies between STX and ETX), repeats of the same
// image folded into one.
inline QList<QByteArray> distinctFrames(const QByteArray& wire) {
    QList<QByteArray> frames;
    qsizetype from = 0;
    while (true) {
        const qsizetype start = wire.indexOf('\x02', from);
        const qsizetype end = wire.indexOf('\x03', start + 1);
        if (start < 0 || end < 0)
            return frames;
        const QByteArray frame = wire.mid(start + 1, end - start - 1);
        if (frames.isEmpty() || frames.last() != frame)
            frames.append(frame);
        from = end + 1;
    }
}
