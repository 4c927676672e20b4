// The entry editor's commit on the whole program: the main window as the program composes it,
// on a virtual clock, a recording port and scripted boxes. The widgets are found by their
// object names, so the benchmark follows the program however its panels are arranged.
#include "benchprogram.h"
#include "recordingserialport.h"
#include "scriptedprompter.h"
#include "virtualclock.h"
#include "virtualeventpump.h"

#include "app/mainwindow.h"
#include "app/programservices.h"
#include "app/programwindows.h"
#include "programfolder.h"
#include "sequence/rowselection.h"
#include "sequence/sequencetable.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextEdit>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

// The program started with its port open and nothing to ask.
struct Program : BenchProgram {
    Program()
        : BenchProgram("bench_commit") {}
};

// A sequence of `count` block entries numbered 00010, 00020, ...
void fillSequence(Program& program, int count) {
    std::vector<SequenceTable::Cells> rows;
    rows.reserve(count);
    for (int i = 1; i <= count; ++i) {
        SequenceTable::Cells cells;
        cells[SequenceTable::NumberColumn] = QByteArray::number(i * 10).rightJustified(5, '0');
        cells[SequenceTable::ActiveColumn] = "JA";
        cells[SequenceTable::KindColumn] = "BLOCK";
        cells[SequenceTable::TextColumn] = "\"GUTEN ABEND\",\"MEINE DAMEN\",\"UND HERREN\"";
        cells[SequenceTable::ParameterColumn] = "3";
        cells[SequenceTable::DurationColumn] = "M3";
        rows.push_back(cells);
    }
    program.main().table().setRows(rows);
}

void typeEntry(Program& program, const QString& number) {
    program.widget<QLineEdit>("TextNr")->setText(number);
    program.widget<QTabWidget>("PageControl1")
        ->setCurrentWidget(program.widget<QWidget>("TabSheet1"));
    program.widget<QTextEdit>("Textfeld")
        ->setPlainText(QStringLiteral("Guten Abend meine Damen und Herren, willkommen im Theater"));
}

// Committing under the selected entry's own number: the row is rewritten and the table
// re-sorted, from the click to the sorted table.
void BM_CommitEdit(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    Program program;
    fillSequence(program, count);
    SequenceTable& table = program.main().table();
    const int middle = count / 2;
    program.main().selection().select(middle);
    const QString number = QString::fromLatin1(table.cell(SequenceTable::NumberColumn, middle));
    auto* commit = program.widget<QPushButton>("Button11");
    for (auto _ : state) {
        state.PauseTiming();
        typeEntry(program, number);
        state.ResumeTiming();
        commit->click();
    }
}

// Committing under a new number: a row is appended and sorted into the middle.
void BM_CommitNew(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    Program program;
    fillSequence(program, count);
    SequenceTable& table = program.main().table();
    auto* commit = program.widget<QPushButton>("Button11");
    for (auto _ : state) {
        state.PauseTiming();
        program.main().selection().select(1);
        typeEntry(program, QStringLiteral("05005"));
        state.ResumeTiming();
        commit->click();
        state.PauseTiming();
        table.removeDataRow(table.findNumber("05005"));
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(BM_CommitEdit)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CommitNew)->Arg(10000)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The program's progress lines would interleave with the figures.
    qputenv("QT_LOGGING_RULES", "*.info=false");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
