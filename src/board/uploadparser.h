#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Reads an upload into the board's memory back into its entries and checks it as a board
// does: the inverse of UploadBuilder::build.
class UploadParser {
public:
    struct Entry {
        // 'B', 'S', 'F', or 0 for a record without content.
        char kind = 0;
        // Block: page change time; scroll: line change time; flowing text: step in tenths.
        int time = 0;
        // Flowing text: the running line.
        int runningLine = 0;
        // Block and scroll: the line fields; flowing text: the fixed lines.
        QList<QByteArray> lines;
        QByteArray flowText;

        bool operator==(const Entry& other) const {
            return kind == other.kind && time == other.time && runningLine == other.runningLine &&
                   lines == other.lines && flowText == other.flowText;
        }
    };

    struct Result {
        QList<Entry> entries;
        // Empty when the upload is sound, else what is wrong with it, in a few words.
        QString fault;

        bool ok() const { return fault.isEmpty(); }
    };

    // Where the upload that starts these bytes ends: its length once complete, 0 while more
    // bytes are needed, -1 when no upload of at most 2048 bytes can come of them. Records end
    // in STX, and the end byte 0xF3 stands where the next record would start, followed by the
    // eight characters of the checksum.
    static qsizetype completeLength(const QByteArray& bytes);

    // Checks one complete upload against the board's own size.
    static Result parse(const QByteArray& upload, int lineCount, int columnCount);
};
