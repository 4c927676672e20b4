#pragma once

#include <QByteArray>
#include <QList>

// A list of text lines in one cell (text, parameters, note).
namespace CommaList {

// One item per line, joined by commas. A line with a character of code 32 or below, a double
// quote or a comma is written in double quotes with inner quotes doubled. One empty line
// gives "" and no lines give the empty text.
QByteArray write(const QList<QByteArray>& lines);

// The exact reading rules: blanks (codes 1 to 32) around items are skipped, a quoted item
// runs to its closing quote (a doubled quote stands for one), an unquoted item stops at the
// first blank or comma, two commas in a row give an empty item.
QList<QByteArray> read(const QByteArray& cell);

} // namespace CommaList
