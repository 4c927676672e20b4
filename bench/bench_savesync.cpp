// What it costs to make a save survive a power cut: the 10,000-entry save as the program
// does it (contents and folder synced), as it did before (the atomic replace syncing only the
// contents), and with no sync at all (write a temporary file, rename it). Run it on the disk
// the shows live on: a memory file system syncs for free.
#include "sequence/sequencefile.h"
#include "sequence/sequencetable.h"
#include "showrows.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>

#include <vector>

namespace {

constexpr int Entries = 10000;

// The show sequence, built once.
SequenceTable& showTable() {
    static SequenceTable table;
    if (table.gridRowCount() > 2)
        return table;
    table.setRows(showRows(Entries));
    return table;
}

// The folder beside the build, on the disk, not in a memory file system.
QString benchFolder() {
    return QDir::currentPath();
}

void BM_SaveSynced(benchmark::State& state) {
    QTemporaryDir dir(benchFolder() + QStringLiteral("/savesync-XXXXXX"));
    const QString path = dir.filePath(QStringLiteral("show.lta"));
    const SequenceTable& table = showTable();
    for (auto _ : state)
        SequenceFile::save(table, path);
    state.counters["file_kB"] = double(QFile(path).size()) / 1024;
}

void BM_SaveContentsOnly(benchmark::State& state) {
    QTemporaryDir dir(benchFolder() + QStringLiteral("/savesync-XXXXXX"));
    const QString path = dir.filePath(QStringLiteral("show.lta"));
    const SequenceTable& table = showTable();
    for (auto _ : state) {
        const QByteArray text = SequenceFile::encode(table);
        QSaveFile file(path);
        file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
        file.write(text);
        file.commit();
    }
}

void BM_SaveUnsynced(benchmark::State& state) {
    QTemporaryDir dir(benchFolder() + QStringLiteral("/savesync-XXXXXX"));
    const QString path = dir.filePath(QStringLiteral("show.lta"));
    const QString temporary = dir.filePath(QStringLiteral("show.lta.new"));
    const SequenceTable& table = showTable();
    for (auto _ : state) {
        const QByteArray text = SequenceFile::encode(table);
        QFile file(temporary);
        file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
        file.write(text);
        file.close();
        ::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(path).constData());
    }
}

} // namespace

BENCHMARK(BM_SaveSynced)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SaveContentsOnly)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SaveUnsynced)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_MAIN();
