#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The one crossing between the Windows-1252 bytes the system keeps (table cells, files,
// frames) and the QString a widget shows.
namespace Windows1252 {

// A byte the code page leaves unassigned. Where a text is checked for the display next, it
// stands for a character the code page cannot hold, so that the check replaces and reports
// it instead of a question mark passing for the operator's own.
inline constexpr char UnencodableMark = '\x81';

QString toUnicode(const QByteArray& bytes);
// Characters the code page cannot hold become `replacement`, one byte for each character (a
// character beyond the 16-bit range too).
QByteArray fromUnicode(const QString& text, char replacement = '?');
// The characters of text that the code page cannot hold, in order, repeats included; each
// one a string of its own, since one beyond the 16-bit range takes two code units.
QStringList unencodable(const QString& text);
bool canEncode(QChar c);
// Equal without regard to letter case, umlauts and accented letters included.
bool equalIgnoringCase(const QByteArray& a, const QByteArray& b);

} // namespace Windows1252
