#include "sequence/sequencefile.h"
#include "sequence/sequencetable.h"
#include "showrows.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <atomic>
#include <malloc.h>
#include <vector>

namespace {

constexpr int Entries = 10000;

// Heap in use, counted by wrapping the C allocator (glibc): the table's cells and the file's
// text are malloc'ed by Qt, so the counts are the memory the operations take.
std::atomic<long long> g_inUse{0};
std::atomic<long long> g_peak{0};

void counted(long long delta) {
    const long long now = g_inUse += delta;
    long long peak = g_peak;
    while (now > peak && !g_peak.compare_exchange_weak(peak, now)) {
    }
}

// The peak above what was in use when it was started, in kB.
struct PeakMeter {
    long long base = g_inUse;
    PeakMeter() { g_peak = base; }
    double kB() const { return double(g_peak - base) / 1024; }
};

void BM_SaveSequence(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("show.lta"));
    SequenceTable table;
    table.setRows(showRows(Entries));
    const PeakMeter meter;
    for (auto _ : state)
        SequenceFile::save(table, path);
    state.counters["peak_kB"] = meter.kB();
    state.counters["file_kB"] = double(QFile(path).size()) / 1024;
}

void BM_OpenSequence(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("show.lta"));
    {
        SequenceTable table;
        table.setRows(showRows(Entries));
        SequenceFile::save(table, path);
    }
    const PeakMeter meter;
    for (auto _ : state) {
        SequenceTable table;
        SequenceFile::load(table, path);
        benchmark::DoNotOptimize(table.gridRowCount());
    }
    state.counters["peak_kB"] = meter.kB();
}

} // namespace

extern "C" {
void* __libc_malloc(size_t size);
void* __libc_calloc(size_t count, size_t size);
void* __libc_realloc(void* pointer, size_t size);
void __libc_free(void* pointer);

void* malloc(size_t size) {
    void* p = __libc_malloc(size);
    if (p)
        counted(static_cast<long long>(malloc_usable_size(p)));
    return p;
}
void* calloc(size_t count, size_t size) {
    void* p = __libc_calloc(count, size);
    if (p)
        counted(static_cast<long long>(malloc_usable_size(p)));
    return p;
}
void* realloc(void* pointer, size_t size) {
    const long long before = pointer ? static_cast<long long>(malloc_usable_size(pointer)) : 0;
    void* p = __libc_realloc(pointer, size);
    if (p)
        counted(static_cast<long long>(malloc_usable_size(p)) - before);
    else if (size == 0)
        counted(-before);
    return p;
}
void free(void* pointer) {
    if (pointer)
        counted(-static_cast<long long>(malloc_usable_size(pointer)));
    __libc_free(pointer);
}
}

BENCHMARK(BM_SaveSequence)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenSequence)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
