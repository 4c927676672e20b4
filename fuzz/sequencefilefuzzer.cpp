// The ".lta" reader with everything an opened file goes through: the lines into the table,
// the at-least-one-active rule, every row decoded as the editor loads it (for displays of
// one, three and many lines) and as playback reads it cell by cell, the table shown, sorted
// and searched, uploaded to the board, and the file written back.
//
// Properties: a cell never holds a tab, a line break or a NUL; writing what was read and
// reading it again gives the same text; an entry that decoded whole decodes to itself from
// the cells the system writes for it; an upload built from the table is refused or fits and
// ends in the checksum of what precedes it.

#include "fuzzcheck.h"

#include "display/uploadbuilder.h"
#include "sequence/activemarks.h"
#include "sequence/sequenceentry.h"
#include "sequence/sequencefile.h"
#include "sequence/sequencetable.h"

#include <QByteArray>
#include <QVariant>

#include <cstddef>
#include <cstdint>

namespace {

bool holdsSeparator(const QByteArray& cell) {
    for (char c : cell)
        if (c == '\t' || c == '\r' || c == '\n' || c == '\0')
            return true;
    return false;
}

bool sameEntry(const SequenceEntry& a, const SequenceEntry& b) {
    return a.number == b.number && a.activity == b.activity && a.kind == b.kind &&
           a.lines == b.lines && a.changeTime == b.changeTime && a.flowStep == b.flowStep &&
           a.runningLine == b.runningLine && a.fixedLines == b.fixedLines &&
           a.durationMode == b.durationMode && a.durationSeconds == b.durationSeconds &&
           a.note == b.note;
}

// What the editor's loader takes from an entry, in the order it fills its fields.
void loadIntoEditorValues(const EntryDecoding& decoding) {
    const SequenceEntry& entry = decoding.entry;
    volatile int minutes = entry.durationSeconds / 60;
    volatile int seconds = entry.durationSeconds % 60;
    (void)minutes;
    (void)seconds;
    for (const QByteArray& line : entry.note)
        FUZZ_CHECK(!line.contains('\0'));
    for (const QByteArray& line : entry.lines)
        FUZZ_CHECK(!line.contains('\0'));
    if (!decoding.complete())
        FUZZ_CHECK(decoding.errorOf(decoding.error->column()) != nullptr);
}

void decodeRow(const SequenceTable::Cells& cells, int lineCount, const ActiveMarks& marks) {
    const EntryDecoding decoding = SequenceEntry::decode(cells, lineCount);
    loadIntoEditorValues(decoding);
    if (decoding.complete()) {
        const SequenceTable::Cells written = decoding.entry.toCells(marks);
        const EntryDecoding again = SequenceEntry::decode(written, lineCount);
        FUZZ_CHECK(again.complete());
        FUZZ_CHECK(sameEntry(decoding.entry, again.entry));
        FUZZ_CHECK(written == again.entry.toCells(marks));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray text(reinterpret_cast<const char*>(data), static_cast<int>(size));
    const SequenceFile::Lines lines = SequenceFile::decode(text);
    for (const QByteArray& cell : lines.header)
        FUZZ_CHECK(!holdsSeparator(cell));
    for (const SequenceTable::Cells& row : lines.rows)
        for (const QByteArray& cell : row)
            FUZZ_CHECK(!holdsSeparator(cell));

    // Opening: the caller has emptied the table.
    SequenceTable table;
    table.setLanguageCode(QStringLiteral("D"));
    table.clear();
    if (lines.hasHeader)
        table.setHeaderTexts(lines.header);
    if (!lines.rows.empty())
        table.setRows(lines.rows);
    const ActiveMarks marks = ActiveMarks::forLanguage(table.languageCode());
    table.ensureActive(1, marks);
    FUZZ_CHECK(table.gridRowCount() >= 2);

    // A first byte of the file picks a display of many lines as well.
    const int manyLines = size > 0 ? 1 + data[0] % 160 : 4;
    for (int row = 1; row < table.gridRowCount(); ++row) {
        const SequenceTable::Cells cells = table.rowCells(row);
        for (const int lineCount : {1, 3, manyLines})
            decodeRow(cells, lineCount, marks);
        const EntryDecoding each = SequenceEntry::decodeEach(
            cells,
            {SequenceTable::NumberColumn, SequenceTable::ActiveColumn, SequenceTable::KindColumn,
             SequenceTable::TextColumn, SequenceTable::ParameterColumn,
             SequenceTable::DurationColumn, SequenceTable::NoteColumn});
        loadIntoEditorValues(each);
        // A search runs through the whole table: a few rows are enough.
        if (row <= 16)
            FUZZ_CHECK(table.findNumber(cells[SequenceTable::NumberColumn]) >= 1 ||
                       cells[SequenceTable::NumberColumn].isEmpty());
        for (int column = 0; column < SequenceTable::Columns; ++column)
            table.data(table.index(row - 1, column), Qt::DisplayRole);
    }
    for (int column = 0; column < SequenceTable::Columns; ++column)
        table.headerData(column, Qt::Horizontal, Qt::DisplayRole);

    for (const int lineCount : {1, 3, manyLines}) {
        const UploadBuilder::Result upload = UploadBuilder::build(table, lineCount, 24);
        if (upload.ok()) {
            FUZZ_CHECK(upload.data.size() <= UploadBuilder::MaximumSize);
            FUZZ_CHECK(upload.data.right(8) == UploadBuilder::checksum(upload.data.chopped(8)));
        }
    }

    // Saving what was opened, and opening that again, gives the same text.
    const QByteArray written = SequenceFile::encode(table);
    SequenceTable reread;
    reread.setLanguageCode(QStringLiteral("D"));
    const SequenceFile::Lines again = SequenceFile::decode(written);
    if (again.hasHeader)
        reread.setHeaderTexts(again.header);
    if (!again.rows.empty())
        reread.setRows(again.rows);
    FUZZ_CHECK(SequenceFile::encode(reread) == written);

    // A commit sorts the rows by number; the rows stay the same rows.
    const int rows = table.gridRowCount();
    table.sortByNumber(1);
    FUZZ_CHECK(table.gridRowCount() == rows);
    return 0;
}
