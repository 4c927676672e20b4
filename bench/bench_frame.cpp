#include "recordingserialport.h"
#include "virtualclock.h"
#include "virtualeventpump.h"

#include "display/displayimage.h"
#include "display/displayoutput.h"
#include "display/screenframe.h"

#include <benchmark/benchmark.h>

namespace {

// A full image: every visible line a little longer than the display, with umlauts and a tab
// so the control-byte rule has work to do.
void fillImage(DisplayImage& image, int lines, int columns) {
    for (int k = 0; k < lines; ++k) {
        QByteArray text;
        while (text.size() < columns + 8)
            text += "Zeile \xC4\xD6\xDC\t";
        image.setLine(k, text);
    }
}

void BM_BuildFrame(benchmark::State& state) {
    const int lines = static_cast<int>(state.range(0));
    const int columns = static_cast<int>(state.range(1));
    DisplayImage image;
    fillImage(image, lines, columns);
    for (auto _ : state) {
        QByteArray frame = ScreenFrame::build(image, lines, columns);
        benchmark::DoNotOptimize(frame.constData());
    }
    state.SetBytesProcessed(state.iterations() * (qint64(lines) * columns + 2));
}

// The whole send: mirror, build, flow-control check, write through the port, status.
void BM_SendFrame(benchmark::State& state) {
    const int lines = static_cast<int>(state.range(0));
    const int columns = static_cast<int>(state.range(1));
    VirtualClock clock;
    VirtualEventPump pump(clock);
    RecordingSerialPort port;
    port.setAvailablePorts({1});
    port.setPortNumber(1);
    DisplayOutput output(port, pump, clock);
    output.setGeometry(lines, columns);
    output.setOutputEnabled(true);
    output.setMirror([](int, const QByteArray& slot) { benchmark::DoNotOptimize(slot.size()); });
    output.setStatusSink([](const QString& text) { benchmark::DoNotOptimize(text.size()); });
    fillImage(output.image(), lines, columns);
    for (auto _ : state) {
        output.sendDisplayImage();
        port.clearWritten();
    }
    state.SetBytesProcessed(state.iterations() * (qint64(lines) * columns + 2));
}

} // namespace

BENCHMARK(BM_BuildFrame)->Args({3, 24})->Args({150, 210});
BENCHMARK(BM_SendFrame)->Args({3, 24})->Args({150, 210});

BENCHMARK_MAIN();
