#pragma once

#include <QByteArray>

// A cell's text with every tab, carriage return, line feed and NUL turned into a space: the
// sequence file separates cells by tabs and rows by line breaks and ends at a NUL, so none may
// stand inside a cell.
QByteArray separatorsToSpaces(const QByteArray& text);
