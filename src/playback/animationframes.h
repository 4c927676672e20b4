#pragma once

#include <QByteArray>
#include <QList>

// The frames of the three kinds, as both the playback animation and the editor's preview
// compute them: a page or scroll window over the lines, and the flowing text's window on its
// running line between the fixed lines.
namespace AnimationFrames {

// `lineCount` lines of the text from line `first` on; a line before the first or past the
// last is empty.
QList<QByteArray> window(const QList<QByteArray>& lines, qint64 first, int lineCount);

// The flowing text entering from the right: `columnCount` blanks, then the text.
QByteArray runString(const QByteArray& text, int columnCount);

// The `columnCount` characters of the run string from position `index`, counted from 1 with 0
// read as 1; fewer near the end.
QByteArray flowWindow(const QByteArray& run, int index, int columnCount);

// The display lines of a flowing text: the window on the running line (from 1), the fixed
// lines in order on the others. Past the fixed lines a line stays empty, so a running line
// outside the display leaves the last line empty instead of reading beyond the list.
QList<QByteArray> flowLines(const QByteArray& window, int runningLine,
                            const QList<QByteArray>& fixedLines, int lineCount);

} // namespace AnimationFrames
