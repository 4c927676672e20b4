#include "sequence/fileerror.h"
#include "sequence/oversizedfileerror.h"
#include "sequence/sequencefile.h"
#include "sequence/sequencetable.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <vector>

using Cells = SequenceTable::Cells;

namespace {

const QByteArray GermanHeader = "\tText Nr.\tAktiv\tB/S/F\tText\tParameter\tDauer\tHinweis\t\r\n";
const QByteArray EnglishHeader =
    "\tText No.\tActive\tb/s/f\tText\tParameter\tDuration\tNotes\t\r\n";
const QByteArray EmptyRow = "\t\t\t\t\t\t\t\t\r\n";

Cells cells(std::initializer_list<const char*> texts) {
    Cells c;
    int column = 0;
    for (const char* text : texts)
        c[column++] = text;
    return c;
}

// Umlauts and the euro sign as Windows-1252 bytes, a comma list, a flowing text.
std::vector<Cells> sampleRows() {
    return {cells({"", "00010", "JA", "BLOCK", "\"GUTEN ABEND\",MEINE", "3", "V10", ""}),
            cells({"", "00020", "NEIN", "FLIESS", "\"\xC4RGER \x80 \"DU\"\"", "5,1,OBEN,UNTEN",
                   "M12", "\"Licht \xFC\"\"\"berpr\xFC\x66\x65n\""}),
            cells({"", "00030", "JA", "SCROLL", "\"\"", "3", "M4", ""})};
}

// Limits the size of files this process writes, while it lives.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::signal(SIGXFSZ, SIG_IGN); // a write beyond the limit fails instead of ending us
        ::getrlimit(RLIMIT_FSIZE, &m_saved);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { ::setrlimit(RLIMIT_FSIZE, &m_saved); }

private:
    rlimit m_saved{};
};

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

class SequenceFileTest : public QObject {
    Q_OBJECT

private slots:
    void newDocumentWritesHeaderAndOneEmptyRow_data();
    void newDocumentWritesHeaderAndOneEmptyRow();
    void roundTripIsByteForByte_data();
    void roundTripIsByteForByte();
    void readingRules_data();
    void readingRules();
    void nulIsReadAsASpace_data();
    void nulIsReadAsASpace();
    void oversizedFileIsRefused_data();
    void oversizedFileIsRefused();
    void shortFilesKeepOneDataRow_data();
    void shortFilesKeepOneDataRow();
    void fileHeaderStaysUntilTheLanguageIsSet();
    void lineBreakingBytesInCellsDoNotSplitTheRow();
    void failedSaveLeavesTheOldFile_data();
    void failedSaveLeavesTheOldFile();
    void unreadableFileLeavesTheTableAlone();
};

void SequenceFileTest::newDocumentWritesHeaderAndOneEmptyRow_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("German") << QStringLiteral("D") << GermanHeader + EmptyRow;
    QTest::newRow("English") << QStringLiteral("GB") << EnglishHeader + EmptyRow;
}

void SequenceFileTest::newDocumentWritesHeaderAndOneEmptyRow() {
    QFETCH(QString, language);
    QFETCH(QByteArray, expected);
    SequenceTable table;
    table.setLanguageCode(language);
    QCOMPARE(SequenceFile::encode(table), expected);
}

void SequenceFileTest::roundTripIsByteForByte_data() {
    QTest::addColumn<QString>("language");
    QTest::newRow("German") << QStringLiteral("D");
    QTest::newRow("English") << QStringLiteral("GB");
}

void SequenceFileTest::roundTripIsByteForByte() {
    QFETCH(QString, language);
    QTemporaryDir dir;
    const QString first = dir.filePath(QStringLiteral("first.lta"));
    const QString second = dir.filePath(QStringLiteral("second.lta"));

    SequenceTable table;
    table.setLanguageCode(language);
    table.setRows(sampleRows());
    SequenceFile::save(table, first);
    const QByteArray written = readFile(first);
    QVERIFY(written.startsWith(language == QLatin1String("GB") ? EnglishHeader : GermanHeader));
    QVERIFY(written.contains("\t00020\tNEIN\tFLIESS\t\"\xC4RGER \x80 \"DU\"\"\t5,1,OBEN,UNTEN\t"
                             "M12\t\"Licht \xFC\"\"\"berpr\xFC\x66\x65n\"\t\r\n"));

    SequenceTable reread;
    reread.setLanguageCode(language);
    SequenceFile::load(reread, first);
    QCOMPARE(reread.gridRowCount(), 4);
    QCOMPARE(reread.rowCells(2), sampleRows()[1]);
    SequenceFile::save(reread, second);
    QCOMPARE(readFile(second), written);
}

void SequenceFileTest::readingRules_data() {
    QTest::addColumn<QByteArray>("file");
    const QByteArray rows = "\t00010\tJA\tBLOCK\tA\t3\tV10\t\t";
    const QByteArray next = "\t00020\tNEIN\tSCROLL\t\"B C\"\t4\tM3\tnote\t";
    QTest::newRow("CR LF") << GermanHeader + rows + "\r\n" + next + "\r\n";
    QTest::newRow("lone LF") << "\tText Nr.\tAktiv\tB/S/F\tText\tParameter\tDauer\tHinweis\t\n" +
                                    rows + "\n" + next + "\n";
    QTest::newRow("lone CR") << "\tText Nr.\tAktiv\tB/S/F\tText\tParameter\tDauer\tHinweis\t\r" +
                                    rows + "\r" + next + "\r";
    QTest::newRow("mixed") << "\tText Nr.\tAktiv\tB/S/F\tText\tParameter\tDauer\tHinweis\t\n" +
                                  rows + "\r" + next + "\r\n";
    QTest::newRow("no last line end") << GermanHeader + rows + "\r\n" + next;
    QTest::newRow("no last tab") << GermanHeader + rows + "\r\n" + next.chopped(1);
    QTest::newRow("fields beyond the eighth")
        << GermanHeader + rows + "extra\tmore\t\r\n" + next + "\r\n";
}

void SequenceFileTest::readingRules() {
    QFETCH(QByteArray, file);
    const SequenceFile::Lines lines = SequenceFile::decode(file);
    QVERIFY(lines.hasHeader);
    QCOMPARE(lines.header[1], QByteArray("Text Nr."));
    QCOMPARE(int(lines.rows.size()), 2);
    QCOMPARE(lines.rows[0], cells({"", "00010", "JA", "BLOCK", "A", "3", "V10", ""}));
    QCOMPARE(lines.rows[1], cells({"", "00020", "NEIN", "SCROLL", "\"B C\"", "4", "M3", "note"}));
}

void SequenceFileTest::nulIsReadAsASpace_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("note");
    QTest::addColumn<bool>("replaced");
    const QByteArray nul(1, '\0');
    const QByteArray first = "\t00010\tJA\tBLOCK\tA\t3\tV10\t";
    const QByteArray last = "\t00030\tJA\tBLOCK\tC\t3\tV10\tend\t\r\n";
    QTest::newRow("none") << GermanHeader + first + "a b\t\r\n" + last << QByteArray("a b")
                          << false;
    QTest::newRow("inside a note")
        << GermanHeader + first + "a" + nul + "b\t\r\n" + last << QByteArray("a b") << true;
    QTest::newRow("two at the end of a line")
        << GermanHeader + first + "a b" + nul + nul + "\r\n" + last << QByteArray("a b  ") << true;
}

// The rows after a NUL were lost, and a save made the loss permanent.
void SequenceFileTest::nulIsReadAsASpace() {
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, note);
    QFETCH(bool, replaced);
    const SequenceFile::Lines lines = SequenceFile::decode(file);
    QCOMPARE(lines.nulsReplaced, replaced);
    QCOMPARE(int(lines.rows.size()), 2);
    QCOMPARE(lines.rows[0][SequenceTable::NoteColumn], note);
    QCOMPARE(lines.rows[1][SequenceTable::NoteColumn], QByteArray("end"));
}

void SequenceFileTest::oversizedFileIsRefused_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("refused");
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("column");
    const qsizetype max = SequenceFile::MaxCellBytes;
    const QByteArray row = "\t00010\tJA\tBLOCK\tA\t3\tV10\t";
    QTest::newRow("largest note") << GermanHeader + row + QByteArray(max, 'x') + "\t\r\n"
                                  << false << 0 << 0;
    QTest::newRow("note one byte more")
        << GermanHeader + row + "\r\n" + row + QByteArray(max + 1, 'x') + "\t\r\n"
        << true << 2 << 7;
    QTest::newRow("flowing text without a tab after it")
        << GermanHeader + "\t00010\tJA\tFLIESS\t\"" + QByteArray(max, 'A') + "\"" << true << 1 << 4;
    QTest::newRow("header line without tabs")
        << QByteArray(3 * max, 'H') + "\r\n" + row << true << 0 << 0;
    QTest::newRow("fields beyond the eighth are not read")
        << GermanHeader + row + "\t" + QByteArray(2 * max, 'x') + "\t\r\n"
        << false << 0 << 0;
    QTest::newRow("as many empty lines as a sequence numbers")
        << GermanHeader + QByteArray(SequenceFile::MaxRows, '\n') << false << 0 << 0;
    // Fifty million empty lines in 50 MB would each become a row.
    QTest::newRow("one empty line more")
        << GermanHeader + QByteArray(SequenceFile::MaxRows + 1, '\n') << true << -1 << -1;
}

void SequenceFileTest::oversizedFileIsRefused() {
    QFETCH(QByteArray, file);
    QFETCH(bool, refused);
    QFETCH(int, line);
    QFETCH(int, column);
    try {
        const SequenceFile::Lines lines = SequenceFile::decode(file);
        QVERIFY(!refused);
        QVERIFY(!lines.rows.empty());
    } catch (const OversizedFileError& e) {
        QVERIFY2(refused, e.what());
        QCOMPARE(e.line(), line);
        QCOMPARE(e.column(), column);
        QVERIFY(line < 0 || e.size() > SequenceFile::MaxCellBytes);
    }
    // Offered cut, a cell too long is cut at the bound and its line named; too many lines
    // stay refused.
    if (refused && line < 0) {
        QVERIFY_THROWS_EXCEPTION(OversizedFileError,
                                 SequenceFile::decode(file, SequenceFile::LongCells::Cut));
        return;
    }
    const SequenceFile::Lines cut = SequenceFile::decode(file, SequenceFile::LongCells::Cut);
    QCOMPARE(cut.cutLines, refused ? std::vector<int>{line} : std::vector<int>{});
    const SequenceTable::Cells& cells = line == 0 ? cut.header : cut.rows.at(size_t(line - 1));
    if (refused)
        QCOMPARE(cells[size_t(column)].size(), SequenceFile::MaxCellBytes);
}

void SequenceFileTest::shortFilesKeepOneDataRow_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("rowCount");
    QTest::addColumn<QString>("header");
    // An empty file leaves the captions; a header line replaces them.
    QTest::newRow("empty file") << QByteArray() << 2 << "Text Nr.";
    QTest::newRow("only the header") << QByteArray("\tNr\tA\r\n") << 2 << "Nr";
    QTest::newRow("header and an empty line") << QByteArray("\tNr\r\n\r\n") << 2 << "Nr";
    QTest::newRow("empty lines keep their rows")
        << QByteArray("\tNr\r\n\r\n\r\n\t00010\r\n") << 4 << "Nr";
}

void SequenceFileTest::shortFilesKeepOneDataRow() {
    QFETCH(QByteArray, file);
    QFETCH(int, rowCount);
    QFETCH(QString, header);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("short.lta"));
    writeFile(path, file);
    SequenceTable table;
    SequenceFile::load(table, path);
    QCOMPARE(table.gridRowCount(), rowCount);
    QCOMPARE(table.headerData(1, Qt::Horizontal).toString(), header);
    QCOMPARE(table.rowCells(1), Cells());
}

void SequenceFileTest::fileHeaderStaysUntilTheLanguageIsSet() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("german.lta"));
    const QByteArray german = GermanHeader + "\t00010\tJA\tBLOCK\tA\t3\tM3\t\t\r\n";
    writeFile(path, german);
    SequenceTable table;
    table.setLanguageCode(QStringLiteral("GB"));
    SequenceFile::load(table, path);
    QCOMPARE(table.headerData(6, Qt::Horizontal).toString(), QStringLiteral("Dauer"));
    QCOMPARE(SequenceFile::encode(table), german); // written back as it was read
    table.setLanguageCode(QStringLiteral("GB"));
    QCOMPARE(table.headerData(6, Qt::Horizontal).toString(), QStringLiteral("Duration"));
}

void SequenceFileTest::lineBreakingBytesInCellsDoNotSplitTheRow() {
    SequenceTable table;
    table.setRows({cells({"", "00010", "JA", "BLOCK", "A", "3", "V10", "tab\there"}),
                   cells({"", "00020", "JA", "BLOCK", "B", "3", "V10", "two\r\nlines\rand\nmore"}),
                   cells({"", "00030", "JA", "BLOCK", "C", "3", "V10", ""})});
    table.setCell(SequenceTable::NoteColumn, 3, QByteArray("nul\0end", 7));
    const QByteArray text = SequenceFile::encode(table);
    QCOMPARE(text.count('\t'), 4 * 8);
    QCOMPARE(text.count('\n'), 4);
    const SequenceFile::Lines lines = SequenceFile::decode(text);
    QCOMPARE(int(lines.rows.size()), 3);
    QCOMPARE(lines.rows[0][SequenceTable::NoteColumn], QByteArray("tab here"));
    QCOMPARE(lines.rows[1][SequenceTable::NoteColumn], QByteArray("two  lines and more"));
    QCOMPARE(lines.rows[2][SequenceTable::NoteColumn], QByteArray("nul end"));
}

void SequenceFileTest::failedSaveLeavesTheOldFile_data() {
    QTest::addColumn<bool>("diskFull");
    QTest::newRow("disk full") << true;
    QTest::newRow("folder not writable") << false;
}

void SequenceFileTest::failedSaveLeavesTheOldFile() {
    QFETCH(bool, diskFull);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("show.lta"));
    writeFile(path, "old contents");
    SequenceTable table;
    std::vector<Cells> rows(200, cells({"", "00010", "JA", "BLOCK", "A LONGER TEXT", "3", "V10"}));
    table.setRows(rows);

    if (diskFull) {
        // A file size limit stands in for a full disk: writing beyond it fails.
        FileSizeLimit limit(1024);
        QVERIFY_THROWS_EXCEPTION(FileError, SequenceFile::save(table, path));
    } else {
        QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
        const bool writable =
            QFile(dir.filePath(QStringLiteral("probe"))).open(QIODevice::WriteOnly);
        if (!writable)
            QVERIFY_THROWS_EXCEPTION(FileError, SequenceFile::save(table, path));
        QVERIFY(QFile::setPermissions(dir.path(),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        if (writable)
            QSKIP("running with the rights to write anywhere");
    }
    QCOMPARE(readFile(path), QByteArray("old contents"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("show.lta")});
}

void SequenceFileTest::unreadableFileLeavesTheTableAlone() {
    QTemporaryDir dir;
    SequenceTable table;
    table.setRows(sampleRows());
    try {
        SequenceFile::load(table, dir.filePath(QStringLiteral("missing.lta")));
        QFAIL("a missing file was read");
    } catch (const FileError& e) {
        QVERIFY2(QString::fromUtf8(e.what()).startsWith(QStringLiteral("Datei ")), e.what());
        QVERIFY2(
            QString::fromUtf8(e.what()).endsWith(QStringLiteral(" kann nicht geöffnet werden")),
            e.what());
    }
    QCOMPARE(table.gridRowCount(), 4);
}

QTEST_GUILESS_MAIN(SequenceFileTest)
#include "tst_sequencefile.moc"
