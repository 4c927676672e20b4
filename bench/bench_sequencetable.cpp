#include "sequence/rowselection.h"
#include "sequence/sequencetable.h"

#include <benchmark/benchmark.h>

namespace {

// A sequence of n entries numbered 00010, 00020, ... like the proposals make them.
std::vector<SequenceTable::Cells> entries(int n) {
    std::vector<SequenceTable::Cells> rows(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        SequenceTable::Cells& c = rows[size_t(i)];
        c[SequenceTable::NumberColumn] = QByteArray::number((i + 1) * 10).rightJustified(5, '0');
        c[SequenceTable::ActiveColumn] = "JA";
        c[SequenceTable::KindColumn] = "BLOCK";
        c[SequenceTable::TextColumn] = "\"GUTEN ABEND\",MEINE,\"DAMEN, HERREN\"";
        c[SequenceTable::ParameterColumn] = "3";
        c[SequenceTable::DurationColumn] = "M3";
    }
    return rows;
}

// The table side of a commit of a new entry: look the number up, append a row, fill it and
// sort it into place with the selection following it.
void BM_AppendAndSort(benchmark::State& state) {
    SequenceTable table;
    RowSelection selection(table);
    table.setRows(entries(static_cast<int>(state.range(0))));
    int serial = 0;
    for (auto _ : state) {
        const QByteArray number = "00005-" + QByteArray::number(serial++);
        benchmark::DoNotOptimize(table.findNumber(number));
        const int row = table.appendRow();
        selection.select(row);
        table.setRowCells(row, table.rowCells(1));
        table.setCell(SequenceTable::NumberColumn, row, number);
        benchmark::DoNotOptimize(table.sortByNumber(selection.selectedRow()));
        state.PauseTiming();
        table.removeDataRow(selection.selectedRow());
        state.ResumeTiming();
    }
}
BENCHMARK(BM_AppendAndSort)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
