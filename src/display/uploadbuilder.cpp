#include "uploadbuilder.h"

#include "sequence/activemarks.h"
#include "sequence/sequenceentry.h"
#include "sequence/sequencetable.h"

#include <optional>

namespace {

class RecordWriter {
public:
    RecordWriter(int lineCount, int columnCount)
        : m_lineCount(lineCount)
        , m_columnCount(columnCount) {}

    // The record of one entry, or nothing when a field does not fit its two digits.
    std::optional<QByteArray> record(const SequenceEntry& entry) const {
        QByteArray out;
        switch (entry.kind) {
        case TextKind::Block:
        case TextKind::Scroll: {
            out += entry.kind == TextKind::Block ? 'B' : 'S';
            if (!appendTwoDigits(out, entry.changeTime))
                return std::nullopt;
            for (const QByteArray& line : entry.lines)
                appendLineField(out, line);
            if (entry.kind == TextKind::Block && m_lineCount > 0) {
                const qsizetype rest = entry.lines.size() % m_lineCount;
                for (qsizetype i = rest == 0 ? m_lineCount : rest; i < m_lineCount; ++i)
                    appendLineField(out, QByteArray());
            }
            break;
        }
        case TextKind::Flow: {
            out += 'F';
            if (!appendTwoDigits(out, entry.flowStep) || !appendTwoDigits(out, entry.runningLine))
                return std::nullopt;
            // A fixed line missing from the list is an empty line.
            for (int i = 0; i + 1 < m_lineCount; ++i)
                appendLineField(out, entry.fixedLines.value(i));
            out += blanked(entry.flowText());
            break;
        }
        case TextKind::None:
            break;
        }
        out += UploadBuilder::RecordEnd;
        return out;
    }

private:
    static bool appendTwoDigits(QByteArray& out, int value) {
        if (value < 0 || value > 99)
            return false;
        out += char('0' + value / 10);
        out += char('0' + value % 10);
        return true;
    }

    static QByteArray blanked(QByteArray text) {
        for (char& c : text)
            if (static_cast<unsigned char>(c) < 0x20)
                c = ' ';
        return text;
    }

    void appendLineField(QByteArray& out, const QByteArray& line) const {
        QByteArray field = blanked(line.left(m_columnCount));
        field.append(m_columnCount - field.size(), ' ');
        out += field;
    }

    int m_lineCount;
    int m_columnCount;
};

} // namespace

UploadBuilder::Result UploadBuilder::build(const SequenceTable& table, int lineCount,
                                           int columnCount) {
    Result result;
    if (lineCount < 0 || lineCount > 99 || columnCount < 0 || columnCount > 9999) {
        result.refusal = Refusal::BoardTooLarge;
        return result;
    }
    QByteArray data = QByteArray::number(lineCount).rightJustified(2, '0') +
                      QByteArray::number(columnCount).rightJustified(4, '0');
    const RecordWriter writer(lineCount, columnCount);
    for (int row = 1; row < table.gridRowCount(); ++row) {
        const SequenceTable::Cells cells = table.rowCells(row);
        if (cells[SequenceTable::NumberColumn].isEmpty() ||
            !ActiveMarks::isActive(cells[SequenceTable::ActiveColumn]))
            continue;
        // Only the kind, text and parameter cells make the record; the other cells must not
        // keep an entry from being uploaded. A fixed line missing from a flowing text's list
        // is an empty line.
        const EntryDecoding decoding =
            SequenceEntry::decodeEach(cells, {SequenceTable::KindColumn, SequenceTable::TextColumn,
                                              SequenceTable::ParameterColumn});
        std::optional<QByteArray> record;
        if (decoding.cellErrors.empty())
            record = writer.record(decoding.entry);
        if (!record) {
            result.numbers.append(cells[SequenceTable::NumberColumn]);
            continue;
        }
        data += *record;
    }
    if (!result.numbers.isEmpty()) {
        result.refusal = Refusal::ParameterOutOfRange;
        return result;
    }
    data += EndByte;
    data += checksum(data);
    if (data.size() > MaximumSize) {
        result.refusal = Refusal::TooLong;
        return result;
    }
    result.data = data;
    return result;
}

QByteArray UploadBuilder::checksum(const QByteArray& bytes) {
    quint64 sum = 0;
    for (char c : bytes)
        sum += static_cast<unsigned char>(c);
    return QByteArray::number(sum).rightJustified(8, ' ');
}
