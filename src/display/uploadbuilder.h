#pragma once

#include <QByteArray>
#include <QList>

class SequenceTable;

// The sequence as one upload into the board's memory: the board size ("030024" for 3 x 24),
// one record per entry active for the upload in table order, the end byte 0xF3 and the
// checksum, the unsigned sum of all bytes before it in 8 characters with leading spaces.
//
// An entry is active for the upload when it has a number and its Aktiv cell holds an active
// word of either language, the rule every other reader of the table follows. Bytes below 0x20
// in a text go out as spaces: STX ends a record, so none may occur inside one.
class UploadBuilder {
public:
    static constexpr int MaximumSize = 2048;
    static constexpr char EndByte = char(0xF3);
    static constexpr char RecordEnd = 0x02;

    enum class Refusal {
        None,
        // Longer than MaximumSize bytes.
        TooLong,
        // More than 99 lines or 9999 columns do not fit the header.
        BoardTooLarge,
        // A time or line in the Parameter cell is no number from 0 to 99: the record would
        // lose digits or shift every byte after it.
        ParameterOutOfRange,
    };

    struct Result {
        QByteArray data;
        Refusal refusal = Refusal::None;
        // ParameterOutOfRange: the numbers of the entries concerned, in table order.
        QList<QByteArray> numbers;

        bool ok() const { return refusal == Refusal::None; }
    };

    static Result build(const SequenceTable& table, int lineCount, int columnCount);

    // "    3407": the decimal sum right-aligned in 8 characters.
    static QByteArray checksum(const QByteArray& bytes);
};
