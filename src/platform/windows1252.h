#pragma once

#include <QByteArray>
#include <QString>

// The one crossing between the Windows-1252 bytes the system keeps (table cells, files,
// frames) and the QString a widget shows.
namespace Windows1252 {

QString toUnicode(const QByteArray& bytes);
// Characters the code page cannot hold become '?'.
QByteArray fromUnicode(const QString& text);
bool canEncode(QChar c);
// Equal without regard to letter case, umlauts and accented letters included.
bool equalIgnoringCase(const QByteArray& a, const QByteArray& b);

} // namespace Windows1252
