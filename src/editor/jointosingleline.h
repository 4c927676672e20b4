#pragma once

#include <QByteArray>

// A memo's text as one line: every inner line break (carriage return and line feed) becomes
// one space, a final one vanishes, and every other control character (below 32) is dropped
// without a space.
QByteArray joinToSingleLine(const QByteArray& text);
