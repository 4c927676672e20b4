#pragma once

#include <QByteArray>
#include <QList>

// The three ways the alignment buttons lay a line out for the display's width.
enum class LineAlignment { Left, Centre, Right };

namespace LineAlignments {

// The line without the leading and trailing characters of codes 0 to 32 (a no-break space,
// 0xA0, stays), then: left as it is; centred with half the free columns in front, the
// smaller half when they are odd; right with all of them in front. No trailing spaces are
// added, and a line longer than the display is cut at its right end.
QByteArray alignLine(const QByteArray& line, LineAlignment alignment, int columns);

// The lines from `first` to `last` (indices, inclusive) aligned, every other line as it was.
QList<QByteArray> alignLines(const QList<QByteArray>& lines, int first, int last,
                             LineAlignment alignment, int columns);

} // namespace LineAlignments
