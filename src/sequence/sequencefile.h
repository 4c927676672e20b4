#pragma once

#include "sequencetable.h"

#include <QByteArray>
#include <QString>

#include <vector>

// The ".lta" file: one line per table row, header first; every cell followed by a tab, every
// line by CR LF; Windows-1252 bytes as the table holds them.
//
// A cell never holds a tab, a line break or a NUL: pasted text could bring one in, and it
// would split the row when the file is read back. Such a byte is written as a space.
//
// Reading accepts CR LF, a lone CR and a lone LF as line ends, with or without one at the
// end. A NUL is read as a space, like the writer writes it, and the whole file is read: a
// text that stopped at the NUL would lose every row after it, and a save would make the loss
// permanent. Fields beyond the eighth are not read: the table has eight columns, so a file
// written by this program always holds exactly eight per line. The header line becomes the
// table's header until the language is set again, so a file round-trips byte for byte
// whatever language wrote it.
//
// A cell longer than MaxCellBytes, or more data lines than MaxRows, refuse the whole file
// (OversizedFileError): far more than any display shows or any sequence numbers (five digits),
// and laying such a file out in the table and the editor would freeze the window for minutes
// (a 50 MB file of empty lines alone would make fifty million rows). The bound is on the bytes
// of a field between its tabs, which are the cell's bytes as the table holds them (the writer
// changes no length). Whatever puts a cell into the table keeps it with fitsCell(), so that
// every table saves to a file that opens again; a file written before that can be opened
// with its long cells cut (CutLongCells).
class SequenceFile {
public:
    static constexpr qsizetype MaxCellBytes = 64 * 1024;
    static constexpr int MaxRows = 100000;

    // Whether the reader takes a cell of this many bytes.
    static constexpr bool fitsCell(qsizetype bytes) { return bytes <= MaxCellBytes; }

    // What the reader does with a cell beyond the bound.
    enum class LongCells { Refuse, Cut };

    // The header line (line 0) and one line per data row.
    struct Lines {
        bool hasHeader = false;
        SequenceTable::Cells header;
        std::vector<SequenceTable::Cells> rows;
        // The text held NUL bytes, read as spaces.
        bool nulsReplaced = false;
        // With LongCells::Cut: the lines (0 the header, 1 the first data row) of which a
        // cell was cut to MaxCellBytes, in file order.
        std::vector<int> cutLines;
    };

    // The whole text of the table.
    static QByteArray encode(const SequenceTable& table);
    // The table's lines as they are written, header first: cheap, the cells are shared. The
    // text can then be encoded on another thread (the rescue copy).
    static Lines lines(const SequenceTable& table);
    static QByteArray encode(const Lines& lines);
    // Throws OversizedFileError (naming no file); with LongCells::Cut only for too many
    // lines.
    static Lines decode(const QByteArray& text, LongCells longCells = LongCells::Refuse);

    // Writes the whole text into a temporary file beside `path`, syncs it to disk, replaces
    // `path` with it in one step and syncs the folder: a failed save, a crash or a power cut
    // leaves either the old file or the new one whole. Throws FileError ("kann nicht erstellt
    // werden") when the new file cannot be put in place.
    static void save(const SequenceTable& table, const QString& path);
    // The same for a text already encoded (the rescue copy, encoded on the user-interface
    // thread and written on another).
    static void write(const QByteArray& text, const QString& path);
    // Reads and decodes the whole file. Throws FileError ("kann nicht geöffnet werden") when
    // the file cannot be read, OversizedFileError when it is too large.
    static Lines read(const QString& path, LongCells longCells = LongCells::Refuse);
    // Puts what was read into the table, which the caller has emptied.
    static void fill(SequenceTable& table, const Lines& lines);
    // read() and fill(): when read() throws, the table is untouched.
    static Lines load(SequenceTable& table, const QString& path);
};
