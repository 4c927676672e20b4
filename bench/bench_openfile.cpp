// Opening a sequence file of up to 50 MB on the whole program: from the open command to the
// main window painted with the table and the editor filled. Refused files end in their error
// box, files with cells too long in the declined offer to open them cut; the window must never
// stay unresponsive for more than a second.
#include "benchprogram.h"
#include "recordingserialport.h"
#include "scriptedprompter.h"
#include "virtualclock.h"
#include "virtualeventpump.h"

#include "app/mainwindow.h"
#include "app/programservices.h"
#include "app/programwindows.h"
#include "programfolder.h"
#include "sequence/documentcommands.h"
#include "sequence/sequencecontrols.h"
#include "sequence/sequencefile.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>

namespace {

constexpr qsizetype FileBytes = 50 * 1024 * 1024;
const QByteArray Header = "\tText Nr.\tAktiv\tB/S/F\tText\tParameter\tDauer\tHinweis\t\r\n";

struct Program : BenchProgram {
    Program()
        : BenchProgram("bench_openfile") {
        main().show();
        QApplication::processEvents();
    }
    QString write(const QByteArray& bytes) {
        const QString path = dir.filePath(QStringLiteral("show.lta"));
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            fail("cannot write the sequence file");
        return path;
    }
    // Opens the file and paints the window as the event loop would.
    bool open(const QString& path) {
        const bool opened = main().sequence().documents().openFile(path);
        main().grab();
        QApplication::processEvents();
        return opened;
    }
};

QByteArray row(int number, const QByteArray& kind, const QByteArray& text, const QByteArray& note) {
    return "\t" + QByteArray::number(number).rightJustified(5, '0') + "\tJA\t" + kind + "\t" +
           text + "\t" + (kind == "FLIESS" ? "5,1,\"\",\"\"" : "3") + "\tM3\t" + note + "\t\r\n";
}

// Rows made by `next` until the file is about 50 MB.
QByteArray fileOf(const std::function<QByteArray(int)>& next) {
    QByteArray file = Header;
    file.reserve(FileBytes + 1024 * 1024);
    for (int i = 1; file.size() < FileBytes; ++i)
        file += next(i);
    return file;
}

// How a refused file ends: in its error box, or, for cells too long, in the question whether
// to open it with them cut, answered No.
enum class Refusal { None, Error, CutDeclined };

void runOpen(benchmark::State& state, const QByteArray& file, Refusal refusal) {
    Program program;
    const QString path = program.write(file);
    const bool refused = refusal != Refusal::None;
    for (auto _ : state) {
        if (refusal == Refusal::Error)
            program.prompter.expect(ScriptedPrompter::Kind::Error, QString());
        if (refusal == Refusal::CutDeclined)
            program.prompter.expect(ScriptedPrompter::Kind::YesNo, QString(),
                                    ScriptedPrompter::Answer::No);
        if (program.open(path) == refused)
            program.fail("the file was not handled as expected");
        state.PauseTiming();
        if (!program.prompter.finished())
            program.fail(program.prompter.report().constData());
        program.main().sequence().documents().newSequence();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["file_MB"] = double(file.size()) / (1024 * 1024);
}

// A 50 MB flowing text in one cell: not opened.
void BM_RefuseLongFlowingText(benchmark::State& state) {
    QByteArray file = Header + "\t00010\tJA\tFLIESS\t\"";
    file += QByteArray(FileBytes, 'A');
    file += "\"\t5,1\tM3\t\t\r\n";
    runOpen(state, file, Refusal::CutDeclined);
}

// A 50 MB line without tabs would become the header: not opened.
void BM_RefuseLongHeader(benchmark::State& state) {
    runOpen(state, QByteArray(FileBytes, 'H') + "\r\n", Refusal::CutDeclined);
}

// 50 MB of empty lines would be fifty million rows: refused.
void BM_RefuseManyLines(benchmark::State& state) {
    runOpen(state, Header + QByteArray(FileBytes, '\n'), Refusal::Error);
}

// As many ordinary block texts with notes as a sequence can number (about 15 MB).
void BM_OpenLargestSequence(benchmark::State& state) {
    QByteArray file = Header;
    for (int i = 1; i <= SequenceFile::MaxRows; ++i)
        file += row(i % 100000, "BLOCK",
                    "\"GUTEN ABEND, MEINE DAMEN\",\"UND HERREN\",\"DER VORHANG HEBT SICH\"",
                    "\"Licht aus, Ton ab\",\"Chor von links\"");
    runOpen(state, file, Refusal::None);
}

// 50 MB of entries whose flowing text and note are as long as a cell may be; the first one
// goes into the editor.
void BM_OpenLongestCells(benchmark::State& state) {
    const qsizetype half = SequenceFile::MaxCellBytes;
    runOpen(state, fileOf([half](int i) {
                return row(i, "FLIESS", "\"" + QByteArray(half - 2, 'A') + "\"",
                           QByteArray(half, 'n'));
            }),
            Refusal::None);
}

// One such entry alone: what the editor and the table take for it.
void BM_OpenOneLongestEntry(benchmark::State& state) {
    const qsizetype max = SequenceFile::MaxCellBytes;
    runOpen(state,
            Header + row(1, "FLIESS", "\"" + QByteArray(max - 2, 'A') + "\"", QByteArray(max, 'n')),
            Refusal::None);
}

// The same entry with its cells made of words, as a pasted text would be: the word wrap of the
// flowing text editor and the note field scans a word longer than a line to its end for every
// line it makes, so a single word of 64 KB costs far more than the same bytes in words.
void BM_OpenOneLongestEntryOfWords(benchmark::State& state) {
    const qsizetype max = SequenceFile::MaxCellBytes;
    QByteArray words;
    while (words.size() < max)
        words += "VORHANG ";
    runOpen(state,
            Header + row(1, "FLIESS", "\"" + words.left(max - 2) + "\"",
                         "\"" + words.left(max - 2) + "\""),
            Refusal::None);
}

} // namespace

BENCHMARK(BM_RefuseLongFlowingText)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_RefuseLongHeader)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_RefuseManyLines)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_OpenLargestSequence)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_OpenLongestCells)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_OpenOneLongestEntry)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_OpenOneLongestEntryOfWords)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "*.info=false");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
