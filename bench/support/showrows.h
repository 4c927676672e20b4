#pragma once

#include "sequence/sequencetable.h"

#include <vector>

// A sequence of block texts of three display lines with a note each: about 150 bytes a line,
// 1.5 MB for 10,000 entries.
inline std::vector<SequenceTable::Cells> showRows(int entries) {
    std::vector<SequenceTable::Cells> rows;
    rows.reserve(static_cast<size_t>(entries));
    for (int i = 1; i <= entries; ++i) {
        SequenceTable::Cells c;
        c[SequenceTable::NumberColumn] = QByteArray::number(i * 10).rightJustified(6, '0');
        c[SequenceTable::ActiveColumn] = "JA";
        c[SequenceTable::KindColumn] = "BLOCK";
        c[SequenceTable::TextColumn] =
            "\"GUTEN ABEND, MEINE DAMEN\",\"UND HERREN \xC4\xD6\xDC\",\"DER VORHANG HEBT SICH\"";
        c[SequenceTable::ParameterColumn] = "3";
        c[SequenceTable::DurationColumn] = "V12";
        c[SequenceTable::NoteColumn] = "\"Licht aus, Ton ab\",\"Chor von links, Vorhang halb\"";
        rows.push_back(c);
    }
    return rows;
}
