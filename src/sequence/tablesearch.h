#pragma once

#include <QString>

class SequenceTable;

// The search of the number, text and note columns, one match at a time, wrapping around the
// table. The selected row itself is tested last, except when the search starts at the end it
// runs towards (the last row downwards, row 1 upwards), which it then tests first.
namespace TableSearch {

struct Query {
    QString text;
    int column = 1;
    bool matchCase = false;
    bool down = true;
};

// The next row whose cell contains the text (cells searched in their stored form), or 0
// when none does. Without match case both sides are compared in upper case, umlauts
// included. An empty text matches nothing.
int findNext(const SequenceTable& table, const Query& query, int selectedRow);

} // namespace TableSearch
