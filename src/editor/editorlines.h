#pragma once

#include <QByteArray>
#include <QList>

class QTextEdit;

// The block and scroll editors hold plain text in the reference font and wrap it at a fixed
// number of characters, so that an editor line is a display line. Their lines are read as
// laid out, one by one through each paragraph's layout, in Windows-1252.
namespace EditorLines {

// Plain text only, wrapped at word boundaries into lines of at most `columns` characters
// (a word longer than a line is cut).
void wrapAtColumns(QTextEdit& editor, int columns);

// The editor lines in order. An empty line after a final line break is not a line, so an
// empty editor has none. A character Windows-1252 cannot hold reads as its unencodable mark,
// which the display check replaces and reports.
QList<QByteArray> read(QTextEdit& editor);
int count(QTextEdit& editor);
// The index of the editor line that holds this character position (a caret at a wrap point
// is on the next line). After a final line break it is the count: the line not counted.
int lineIndexAt(QTextEdit& editor, int position);
// The `pageSize` lines of the page (lines from a multiple of `pageSize` on) that holds this
// position, fewer at the end of the text, in one reading of the lines.
QList<QByteArray> pageAt(QTextEdit& editor, int position, int pageSize);

// Replaces the text by these lines, each ended by a line break, caret at the start.
void write(QTextEdit& editor, const QList<QByteArray>& lines);

// A memo's lines (the note): one per line break, a final line break ends the last line.
QList<QByteArray> memoLines(const QString& plainText);
QString memoFromLines(const QList<QByteArray>& lines);

// A memo's text with its line breaks as carriage return and line feed, as it is counted
// and joined into one line; unencodable characters as in read().
QByteArray memoText(const QString& plainText);

} // namespace EditorLines
