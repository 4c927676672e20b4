#include "editorrig.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include <benchmark/benchmark.h>

namespace {

// A sequence of `count` block entries numbered 00010, 00020, ...
void fillSequence(EditorRig& rig, int count) {
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
    rig.table.setRows(rows);
}

void typeEntry(EditorRig& rig, const QString& number) {
    rig.panel->numberField()->setText(number);
    rig.panel->kindTabs()->setCurrentWidget(rig.panel->blockPage());
    rig.panel->blockEditor()->setPlainText(
        QStringLiteral("Guten Abend meine Damen und Herren, willkommen im Theater"));
}

// Committing under the selected entry's own number: the row is rewritten and the table
// re-sorted, from the click to the sorted table.
void BM_CommitEdit(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    EditorRig rig;
    fillSequence(rig, count);
    const int middle = count / 2;
    rig.selection.select(middle);
    const QString number = QString::fromLatin1(rig.table.cell(SequenceTable::NumberColumn, middle));
    for (auto _ : state) {
        state.PauseTiming();
        typeEntry(rig, number);
        state.ResumeTiming();
        rig.panel->commitButton()->click();
    }
}

// Committing under a new number: a row is appended and sorted into the middle.
void BM_CommitNew(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    EditorRig rig;
    fillSequence(rig, count);
    for (auto _ : state) {
        state.PauseTiming();
        rig.selection.select(1);
        typeEntry(rig, QStringLiteral("05005"));
        state.ResumeTiming();
        rig.panel->commitButton()->click();
        state.PauseTiming();
        rig.table.removeDataRow(rig.table.findNumber("05005"));
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(BM_CommitEdit)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CommitNew)->Arg(10000)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
