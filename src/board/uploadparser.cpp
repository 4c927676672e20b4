#include "uploadparser.h"

#include "display/uploadbuilder.h"

namespace {

constexpr qsizetype HeaderSize = 6;
constexpr qsizetype ChecksumSize = 8;

bool allDigits(const QByteArray& bytes) {
    if (bytes.isEmpty())
        return false;
    for (char c : bytes)
        if (c < '0' || c > '9')
            return false;
    return true;
}

// Reads two digits at pos, or -1.
int twoDigits(const QByteArray& record, qsizetype pos) {
    const QByteArray digits = record.mid(pos, 2);
    return digits.size() == 2 && allDigits(digits) ? digits.toInt() : -1;
}

QList<QByteArray> fields(const QByteArray& bytes, int columnCount) {
    QList<QByteArray> out;
    for (qsizetype i = 0; i < bytes.size(); i += columnCount)
        out.append(bytes.mid(i, columnCount));
    return out;
}

// One record without its closing STX; fills entry or says what is wrong.
QString readRecord(const QByteArray& record, int lineCount, int columnCount,
                   UploadParser::Entry& entry) {
    if (record.isEmpty())
        return {};
    entry.kind = record.front();
    switch (entry.kind) {
    case 'B':
    case 'S': {
        entry.time = twoDigits(record, 1);
        const QByteArray body = record.mid(3);
        if (entry.time < 0)
            return QStringLiteral("record time is not two digits");
        if (body.size() % columnCount != 0)
            return QStringLiteral("record lines are not whole");
        entry.lines = fields(body, columnCount);
        if (entry.kind == 'B' && entry.lines.size() % lineCount != 0)
            return QStringLiteral("block is not whole pages");
        return {};
    }
    case 'F': {
        entry.time = twoDigits(record, 1);
        entry.runningLine = twoDigits(record, 3);
        if (entry.time < 0 || entry.runningLine < 0)
            return QStringLiteral("record time is not two digits");
        const qsizetype fixedSize = qsizetype(lineCount - 1) * columnCount;
        if (record.size() < 5 + fixedSize)
            return QStringLiteral("flowing text lacks its fixed lines");
        entry.lines = fields(record.mid(5, fixedSize), columnCount);
        entry.flowText = record.mid(5 + fixedSize);
        return {};
    }
    default:
        return QStringLiteral("unknown record kind");
    }
}

} // namespace

qsizetype UploadParser::completeLength(const QByteArray& bytes) {
    qsizetype pos = HeaderSize;
    while (pos < bytes.size()) {
        if (bytes.at(pos) == UploadBuilder::EndByte) {
            const qsizetype length = pos + 1 + ChecksumSize;
            if (length > UploadBuilder::MaximumSize)
                return -1;
            return bytes.size() >= length ? length : 0;
        }
        const qsizetype end = bytes.indexOf(UploadBuilder::RecordEnd, pos);
        if (end < 0)
            break;
        pos = end + 1;
    }
    return bytes.size() >= UploadBuilder::MaximumSize ? -1 : 0;
}

UploadParser::Result UploadParser::parse(const QByteArray& upload, int lineCount, int columnCount) {
    Result result;
    const qsizetype length = completeLength(upload);
    if (length <= 0 || length != upload.size()) {
        result.fault = upload.size() > UploadBuilder::MaximumSize
                           ? QStringLiteral("longer than 2048 bytes")
                           : QStringLiteral("end byte and checksum not where expected");
        return result;
    }
    const QByteArray header = upload.left(HeaderSize);
    if (!allDigits(header)) {
        result.fault = QStringLiteral("header is not six digits");
        return result;
    }
    if (header.left(2).toInt() != lineCount || header.mid(2).toInt() != columnCount ||
        lineCount < 1 || columnCount < 1) {
        result.fault =
            QStringLiteral("header %1 does not match the board").arg(QString::fromLatin1(header));
        return result;
    }
    const QByteArray sum = upload.right(ChecksumSize);
    if (UploadBuilder::checksum(upload.left(upload.size() - ChecksumSize)) != sum) {
        result.fault = QStringLiteral("checksum");
        return result;
    }
    qsizetype pos = HeaderSize;
    const qsizetype endByte = upload.size() - ChecksumSize - 1;
    while (pos < endByte) {
        const qsizetype end = upload.indexOf(UploadBuilder::RecordEnd, pos);
        Entry entry;
        const QString fault = readRecord(upload.mid(pos, end - pos), lineCount, columnCount, entry);
        if (!fault.isEmpty()) {
            result.fault =
                QStringLiteral("record %1: %2").arg(result.entries.size() + 1).arg(fault);
            return result;
        }
        result.entries.append(entry);
        pos = end + 1;
    }
    return result;
}
