#pragma once

#include <QByteArray>

// A cell's text with every tab, carriage return and line feed turned into a space: the
// sequence file separates cells by tabs and rows by line breaks, so none may stand inside a
// cell.
QByteArray SeparatorsToSpaces(const QByteArray& text);
