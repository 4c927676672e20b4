#pragma once

class MarkList;
class SequenceTable;

// New numbers for every data row in table order: 00010, 00020, ... The order stays, and so
// do the marker colours.
namespace Renumbering {

// Five digits hold 9999 rows in steps of ten; beyond that numbers would repeat.
constexpr int MaximumRows = 9999;

// Offered when row 1 holds a number.
bool isOffered(const SequenceTable& table);
// False when the table has more rows than five-digit numbers can tell apart.
bool fits(const SequenceTable& table);

// Renumbers every data row. Marked numbers follow their rows, so that the marking list still
// names the entries that are marked yellow; a marked number that no row holds stays as it is.
void apply(SequenceTable& table, MarkList& marks);

} // namespace Renumbering
