// The board's reader of an upload into its memory, fed whatever follows the request, and the
// uploads the program builds from a sequence, read back the way the board reads them.
//
// The first bytes of the input choose the board's size and whether this run builds an
// upload; the rest is the upload's bytes or the entries of the sequence.
//
// Properties of arbitrary bytes: the length the reader finds is that of a whole upload of at
// most 2048 bytes, the same for every longer input that starts with it; an upload taken as
// sound has the board's size in its header, entries of a known kind with whole lines of the
// board's width, and writing those entries again gives the upload byte for byte.
// Properties of a built upload: the board takes it, with one entry per active entry of the
// table in table order, each with the kind, timings and lines the table gives it, cut or
// padded to the board's width and, for a block, to whole pages.

#include "fuzzcheck.h"

#include "board/uploadparser.h"
#include "display/uploadbuilder.h"
#include "sequence/activemarks.h"
#include "sequence/sequenceentry.h"
#include "sequence/sequencetable.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QByteArray>
#include <QList>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

using Entry = UploadParser::Entry;

constexpr qsizetype HeaderSize = 6;
constexpr qsizetype ChecksumSize = 8;

QByteArray twoDigits(int value) {
    return QByteArray::number(value).rightJustified(2, '0');
}

// The upload of the given entries as the board keeps it.
QByteArray written(const QList<Entry>& entries, const QByteArray& header) {
    QByteArray out = header;
    for (const Entry& entry : entries) {
        if (entry.kind != 0) {
            out += entry.kind;
            out += twoDigits(entry.time);
            if (entry.kind == 'F')
                out += twoDigits(entry.runningLine);
            for (const QByteArray& line : entry.lines)
                out += line;
            out += entry.flowText;
        }
        out += UploadBuilder::RecordEnd;
    }
    out += UploadBuilder::EndByte;
    return out + UploadBuilder::checksum(out);
}

void readUpload(const QByteArray& bytes, int lineCount, int columnCount) {
    const qsizetype length = UploadParser::completeLength(bytes);
    FUZZ_CHECK(length >= -1 && length <= bytes.size());
    FUZZ_CHECK(length <= UploadBuilder::MaximumSize);
    if (length > 0) {
        FUZZ_CHECK(length >= HeaderSize + 1 + ChecksumSize);
        FUZZ_CHECK(bytes.at(length - ChecksumSize - 1) == UploadBuilder::EndByte);
        FUZZ_CHECK(UploadParser::completeLength(bytes.left(length)) == length);
        FUZZ_CHECK(UploadParser::completeLength(bytes.left(length - 1)) == 0);
    } else if (length == 0) {
        FUZZ_CHECK(bytes.size() < UploadBuilder::MaximumSize);
    }

    const QByteArray upload = length > 0 ? bytes.left(length) : bytes;
    const UploadParser::Result result = UploadParser::parse(upload, lineCount, columnCount);
    if (!result.ok())
        return;
    FUZZ_CHECK(upload.left(HeaderSize) ==
               twoDigits(lineCount) + QByteArray::number(columnCount).rightJustified(4, '0'));
    FUZZ_CHECK(upload.count(UploadBuilder::RecordEnd) >= result.entries.size());
    for (const Entry& entry : result.entries) {
        FUZZ_CHECK(entry.time >= 0 && entry.time <= 99);
        FUZZ_CHECK(entry.runningLine >= 0 && entry.runningLine <= 99);
        for (const QByteArray& line : entry.lines)
            FUZZ_CHECK(line.size() == columnCount);
        FUZZ_CHECK(!entry.flowText.contains(UploadBuilder::RecordEnd));
        switch (entry.kind) {
        case 'B':
            FUZZ_CHECK(entry.lines.size() % lineCount == 0);
            [[fallthrough]];
        case 'S':
            FUZZ_CHECK(entry.flowText.isEmpty());
            break;
        case 'F':
            FUZZ_CHECK(entry.lines.size() == lineCount - 1);
            break;
        case 0:
            FUZZ_CHECK(entry == Entry{});
            break;
        default:
            FUZZ_CHECK(false);
        }
    }
    FUZZ_CHECK(written(result.entries, upload.left(HeaderSize)) == upload);
}

QByteArray blanked(QByteArray text) {
    for (char& c : text)
        if (static_cast<unsigned char>(c) < 0x20)
            c = ' ';
    return text;
}

QByteArray field(const QByteArray& line, int columnCount) {
    const QByteArray cut = blanked(line.left(columnCount));
    return cut + QByteArray(columnCount - cut.size(), ' ');
}

// What the board should read back for an entry of the table.
Entry expectedEntry(const SequenceEntry& entry, int lineCount, int columnCount) {
    Entry out;
    switch (entry.kind) {
    case TextKind::Block:
    case TextKind::Scroll:
        out.kind = entry.kind == TextKind::Block ? 'B' : 'S';
        out.time = entry.changeTime;
        for (const QByteArray& line : entry.lines)
            out.lines.append(field(line, columnCount));
        while (out.kind == 'B' && out.lines.size() % lineCount != 0)
            out.lines.append(QByteArray(columnCount, ' '));
        break;
    case TextKind::Flow:
        out.kind = 'F';
        out.time = entry.flowStep;
        out.runningLine = entry.runningLine;
        for (int i = 0; i + 1 < lineCount; ++i)
            out.lines.append(field(entry.fixedLines.value(i), columnCount));
        out.flowText = blanked(entry.flowText());
        break;
    case TextKind::None:
        break;
    }
    return out;
}

// A short text from a small alphabet that holds the bytes the cells quote or the line uses.
QByteArray text(FuzzedDataProvider& provider, int maximumLength) {
    static const char alphabet[] = "AEHLOTW09 ,\"\xC4\xD6\xDC\xF3.";
    QByteArray out;
    const int length = provider.ConsumeIntegralInRange<int>(0, maximumLength);
    for (int i = 0; i < length; ++i)
        out += alphabet[provider.ConsumeIntegralInRange<std::size_t>(0, sizeof alphabet - 2)];
    return out;
}

SequenceEntry generatedEntry(FuzzedDataProvider& provider, int lineCount, int columnCount) {
    SequenceEntry entry;
    entry.kind = static_cast<TextKind>(provider.ConsumeIntegralInRange<int>(0, 3));
    const int lines = provider.ConsumeIntegralInRange<int>(0, 2 * lineCount);
    for (int i = 0; i < lines; ++i)
        entry.lines.append(text(provider, columnCount + 2));
    entry.changeTime = provider.ConsumeIntegralInRange<int>(0, 99);
    entry.flowStep = provider.ConsumeIntegralInRange<int>(0, 99);
    entry.runningLine = provider.ConsumeIntegralInRange<int>(1, lineCount);
    const int fixed = provider.ConsumeIntegralInRange<int>(0, lineCount - 1);
    for (int i = 0; i < fixed; ++i)
        entry.fixedLines.append(text(provider, columnCount + 2));
    // A flowing text has its one line.
    if (entry.kind == TextKind::Flow)
        entry.lines = {entry.lines.value(0)};
    return entry;
}

// A sequence from the input, uploaded by the program and read back by the board.
void readBuiltUpload(FuzzedDataProvider& provider, int lineCount, int columnCount) {
    const ActiveMarks marks = ActiveMarks::forLanguage(QStringLiteral("de"));
    std::vector<SequenceTable::Cells> rows;
    QList<Entry> expected;
    const int count = provider.ConsumeIntegralInRange<int>(0, 6);
    for (int i = 0; i < count; ++i) {
        SequenceEntry entry = generatedEntry(provider, lineCount, columnCount);
        entry.number = QByteArray::number(10 * (i + 1));
        entry.activity = provider.ConsumeBool() ? SequenceEntry::Activity::Active
                                                : SequenceEntry::Activity::Inactive;
        const SequenceTable::Cells cells = entry.toCells(marks);
        // Only entries the cells keep whole are compared; the sequence reader's own target
        // checks that the cells hold what the system writes for an entry.
        const EntryDecoding decoding =
            SequenceEntry::decodeEach(cells, {SequenceTable::KindColumn, SequenceTable::TextColumn,
                                              SequenceTable::ParameterColumn});
        if (!decoding.cellErrors.empty())
            return;
        const SequenceEntry& read = decoding.entry;
        if (read.kind != entry.kind ||
            (entry.kind != TextKind::None &&
             (read.lines != entry.lines || read.changeTime != entry.changeTime ||
              (entry.kind == TextKind::Flow &&
               (read.flowStep != entry.flowStep || read.runningLine != entry.runningLine ||
                read.fixedLines != entry.fixedLines)))))
            return;
        rows.push_back(cells);
        if (entry.isActive())
            expected.append(expectedEntry(entry, lineCount, columnCount));
    }
    SequenceTable table;
    table.setRows(rows);
    const UploadBuilder::Result built = UploadBuilder::build(table, lineCount, columnCount);
    if (built.refusal == UploadBuilder::Refusal::TooLong)
        return;
    FUZZ_CHECK(built.ok());
    FUZZ_CHECK(UploadParser::completeLength(built.data + "0123") == built.data.size());
    const UploadParser::Result result = UploadParser::parse(built.data, lineCount, columnCount);
    FUZZ_CHECK(result.ok());
    FUZZ_CHECK(result.entries == expected);
    FUZZ_CHECK(!UploadParser::parse(built.data, lineCount, columnCount + 1).ok());
    readUpload(built.data, lineCount, columnCount);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider provider(data, size);
    const int lineCount = provider.ConsumeIntegralInRange<int>(1, 6);
    const int columnCount = provider.ConsumeIntegralInRange<int>(1, 40);
    if (provider.ConsumeBool()) {
        readBuiltUpload(provider, lineCount, columnCount);
        return 0;
    }
    const std::string rest = provider.ConsumeRemainingBytesAsString();
    readUpload(QByteArray(rest.data(), static_cast<qsizetype>(rest.size())), lineCount,
               columnCount);
    return 0;
}
