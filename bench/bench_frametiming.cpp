// How punctually frames reach the far end of the serial line while a flowing text runs at
// the fastest step (50 ms): the real event loop, the real serial port on a socat
// pseudo-terminal, a reader thread that timestamps each frame's end byte as it arrives.
// Prints the lateness of each arrival against its schedule (first frame 100 ms after the
// start, then one every 50 ms) and the processor time the program used meanwhile.
#include "arrivalreader.h"
#include "frameschedule.h"
#include "ptypair.h"

#include "display/displayoutput.h"
#include "platform/comportresolver.h"
#include "platform/qtclock.h"
#include "platform/qteventpump.h"
#include "platform/qtserialport.h"
#include "playback/playbackcontroller.h"
#include "sequence/rowselection.h"
#include "sequence/sequencetable.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <mutex>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <sys/resource.h>
#include <termios.h>
#include <unistd.h>

namespace {

using SteadyClock = std::chrono::steady_clock;

constexpr int Lines = 3;
constexpr int Columns = 24;
constexpr int TextLength = 500;
constexpr int FrameCount = Columns + TextLength + 3;
constexpr int StepMs = 50;

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// How late each of the first FrameCount events came against the schedule: the first
// frame 100 ms after the start, then one every StepMs.
void printLateness(const char* what, const std::vector<SteadyClock::time_point>& times,
                   SteadyClock::time_point start) {
    const std::vector<double> lateness = latenesses(times, start, FrameCount, StepMs);
    if (lateness.empty())
        return;
    std::printf("%s after schedule (ms): min %.3f  median %.3f  p99 %.3f  worst %.3f\n", what,
                lateness.front(), percentile(lateness, 0.5), percentile(lateness, 0.99),
                lateness.back());
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    PtyPair pty(folder.filePath(QStringLiteral("COM5")), folder.filePath(QStringLiteral("peer")));
    if (!pty.start()) {
        std::fprintf(stderr, "socat did not start: %s\n", pty.output().constData());
        return 1;
    }
    PtyArrivalReader reader(folder.filePath(QStringLiteral("peer")));
    if (!reader.isOpen()) {
        std::fprintf(stderr, "cannot open the far end\n");
        return 1;
    }

    QtClock clock;
    QtEventPump pump;
    QtSerialPort port{ComPortResolver(folder.path())};
    port.setPortNumber(5);
    port.setBaudRate(19200);
    port.open();
    DisplayOutput output(port, pump, clock);
    output.setGeometry(Lines, Columns);
    output.setOutputEnabled(true);
    // When each send began inside the program, to tell its own delay from the line's.
    std::vector<SteadyClock::time_point> sends;
    output.setMirror([&sends](int index, const QByteArray&) {
        if (index == 0)
            sends.push_back(SteadyClock::now());
    });

    SequenceTable table;
    table.setRows({flowingTextEntry(TextLength)});
    RowSelection selection(table);
    PlaybackController controller(table, selection, output, clock, &app);
    controller.setSpeedFactor(PlaybackController::FastestSpeed);

    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, &app, [&] {
        if (reader.count() >= size_t(FrameCount))
            app.quit();
    });
    watch.start(200);

    const double cpuBefore = cpuSeconds();
    const auto start = SteadyClock::now();
    controller.play();
    app.exec();
    const auto end = SteadyClock::now();
    const double cpu = cpuSeconds() - cpuBefore;
    controller.stop();

    const double wall = std::chrono::duration<double>(end - start).count();
    std::printf("frames: %d at %d ms steps, %d x %d display\n", FrameCount, StepMs, Lines, Columns);
    printLateness("arrival at the far end", reader.arrivals(), start);
    printLateness("send inside the program", sends, start);
    std::printf("cpu: %.3f s over %.2f s = %.2f %% of one core (reader thread included)\n", cpu,
                wall, 100.0 * cpu / wall);
    return 0;
}
