#include "sequence/sequencefile.h"
#include "sequence/sequencetable.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <vector>

namespace {

constexpr int Entries = 10000;

// A sequence of block texts of three display lines with a note each: about 150 bytes a line,
// 1.5 MB for 10,000 entries.
std::vector<SequenceTable::Cells> showRows() {
    std::vector<SequenceTable::Cells> rows;
    rows.reserve(Entries);
    for (int i = 1; i <= Entries; ++i) {
        SequenceTable::Cells c;
        c[SequenceTable::NumberColumn] = QByteArray::number(i * 10).rightJustified(6, '0');
        c[SequenceTable::ActiveColumn] = "JA";
        c[SequenceTable::KindColumn] = "BLOCK";
        c[SequenceTable::TextColumn] =
            "\"GUTEN ABEND, MEINE DAMEN\",\"UND HERREN \xC4\xD6\xDC\",\"DER VORHANG HEBT SICH\"";
        c[SequenceTable::ParameterColumn] = "3";
        c[SequenceTable::DurationColumn] = "V12";
        c[SequenceTable::NoteColumn] = "\"Licht aus, Ton ab\"";
        rows.push_back(c);
    }
    return rows;
}

// A value of /proc/self/status in kB ("VmRSS:", "VmHWM:"); 0 where the system has none.
long statusKb(const QByteArray& key) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(key.size()).trimmed().split(' ').first().toLong();
    }
    return 0;
}

// Starts a new peak of resident memory (Linux: clear_refs resets VmHWM).
void resetPeak() {
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

void BM_SaveSequence(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("show.lta"));
    SequenceTable table;
    table.setRows(showRows());
    const long before = statusKb("VmRSS:");
    resetPeak();
    for (auto _ : state)
        SequenceFile::save(table, path);
    state.counters["peak_extra_kB"] = double(statusKb("VmHWM:") - before);
    state.counters["file_kB"] = double(QFile(path).size()) / 1024;
}

void BM_OpenSequence(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("show.lta"));
    {
        SequenceTable table;
        table.setRows(showRows());
        SequenceFile::save(table, path);
    }
    const long before = statusKb("VmRSS:");
    resetPeak();
    for (auto _ : state) {
        SequenceTable table;
        SequenceFile::load(table, path);
        benchmark::DoNotOptimize(table.RowCount());
    }
    state.counters["peak_extra_kB"] = double(statusKb("VmHWM:") - before);
}

} // namespace

BENCHMARK(BM_SaveSequence)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenSequence)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
