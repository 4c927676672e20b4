#pragma once

#include "display/displaysetup.h"
#include "sequence/activemarks.h"
#include "sequence/sequenceentry.h"

#include <QByteArray>
#include <QList>

class RowSelection;
class SequenceTable;

// The rules of "OK" once the entry is not on the display: the number checks, the row the
// entry goes to, the duration from the minimum the text needs, the displayable texts and the
// cells. A cell longer than a sequence file takes refuses the entry: the table only ever holds
// what saves to a file that opens again. Works on the values the editor read from its fields; what
// the operator must be told and what goes back into the fields is in the outcome.
class EntryTakeover final {
public:
    enum class Refusal { DuplicateNumber, EmptyNumber, CellTooLong };

    struct Request {
        // As the fields hold it: the number (already free of separators), the activity, the
        // kind with its timings, the lines of a block or scroll text as laid out in the
        // editor, the flowing text as typed (line breaks as carriage return and line feed),
        // its fixed lines, the duration mode and the note's lines.
        SequenceEntry entry;
        int durationMinutes = 0;
        int durationSeconds = 0;
        int selectedRow = 1;
        // "Nr. ändern": the selected entry takes the new number instead of a new row.
        bool renameOnCommit = false;
        // After "Neuer Text": the entry goes into a new row (or the selected row while that
        // is empty), and a number the table holds is refused, also the selected row's. Wins
        // over renameOnCommit, which would write the new text over the selected entry.
        bool newEntry = false;
        DisplaySetup display;
        ActiveMarks marks;
    };

    struct Outcome {
        // In the order the boxes come; the entry was taken only when there are none.
        QList<Refusal> refusals;
        // A preset duration below the minimum: the minimum was taken instead.
        bool durationRaised = false;
        // The duration fields were overwritten with the minimum (minutes kept in range).
        bool durationFieldsSet = false;
        int durationMinutes = 0;
        int durationSeconds = 0;
        // The entry as written, its texts made displayable: they go back into the fields.
        SequenceEntry written;
        // The characters each checked text had replaced, in the order checked; only texts
        // that had some.
        QList<QByteArray> replacedCharacters;
        // Where the entry stands after the sort.
        int row = 0;
        // CellTooLong: the first cell beyond the bound and the bytes it would hold.
        int tooLongColumn = -1;
        qsizetype tooLongSize = 0;

        bool taken() const { return refusals.isEmpty(); }
    };

    EntryTakeover(SequenceTable& table, RowSelection& selection)
        : m_table(table)
        , m_selection(selection) {}

    // The minimum display duration of the entry's text, in seconds.
    static qint64 minimumDuration(const SequenceEntry& entry, const DisplaySetup& display);

    // Checks the number, sets the duration, makes the texts displayable and checks the cells'
    // length; then chooses the row (appending and selecting one for a new number), writes the
    // cells and sorts the table by number with the selection on the entry. A refused entry
    // leaves the table and the selection untouched.
    Outcome take(const Request& request);

private:
    QList<Refusal> numberRefusals(const QByteArray& number, int selectedRow, bool newEntry) const;
    int targetRow(const QByteArray& number, int selectedRow, bool rename, bool newEntry);
    static bool cellsFit(const SequenceTable::Cells& cells, Outcome& outcome);
    static void setDuration(const Request& request, qint64 minimum, Outcome& outcome);
    static void makeDisplayable(const DisplaySetup& display, Outcome& outcome);
    void writeCells(int row, const SequenceTable::Cells& written, const ActiveMarks& marks);

    SequenceTable& m_table;
    RowSelection& m_selection;
};
