#pragma once

#include <QByteArray>
#include <QList>

// The parameter cell of a flowing text: a comma list of the flow step (tenths of a second),
// the running line (from 1) and the fixed texts of the other lines from top to bottom.
struct FlowParameters {
    int step = 5;
    int line = 1;
    QList<QByteArray> fixedLines;

    QByteArray write() const;
    // Needs lineCount + 1 items (two on a one-line display); fewer, or a step or line that
    // does not convert, throw ConversionError. Items beyond those are ignored.
    static FlowParameters read(const QByteArray& cell, int lineCount);
    // Whatever the cell holds, for any display: a missing step or line reads as an empty
    // item, which does not convert; every item after the line is a fixed line.
    static FlowParameters readAvailable(const QByteArray& cell);
};
