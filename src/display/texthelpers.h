#pragma once

#include <QByteArray>

// Small helpers on Windows-1252 text shared by the display output, the alignment commands
// and the animation. One byte is one character.
namespace TextHelpers {

// The first n characters. Empty when n < 1 and also when the text has fewer than n
// characters: callers rely on that to tell "does not fill the width" apart.
QByteArray cutToWidth(const QByteArray& text, int n);

// Right alignment: a text of n or more characters gives cutToWidth(text, n); a shorter one
// gets whole copies of fill in front as long as the result stays at most n characters, so a
// longer fill may leave it short of n. An empty fill adds nothing (the text comes back as it
// is, or cut when it already fills n).
QByteArray padLeftTo(const QByteArray& text, const QByteArray& fill, int n);

// k copies of fill, then the text; k <= 0 gives the text unchanged.
QByteArray prependCopies(const QByteArray& text, const QByteArray& fill, int k);

// The text, then k copies of fill; k <= 0 gives the text unchanged.
QByteArray appendCopies(const QByteArray& text, const QByteArray& fill, int k);

} // namespace TextHelpers
