// How soon a cue reaches the board: from a "/lumentafel/next" datagram, and from an F8 key
// press, to the first byte of the new entry's frame at the far end of the serial line. The
// whole program runs on the real clock and event loop, its port a real serial port on a
// socat pseudo-terminal, its remote on loopback; a reader thread timestamps the frames.
// Each input steps through a sequence in manual mode, one command after the frame of the
// last has come. Prints median and p99 over the commands (1,000 each, or the number given as
// the argument), less the 100 ms by which an entry's first frame follows its start by design.
#include "arrivalreader.h"
#include "cuesystem.h"
#include "frameschedule.h"
#include "ptypair.h"
#include "scriptedprompter.h"

#include "app/mainwindow.h"
#include "app/programservices.h"
#include "app/programwindows.h"
#include "platform/comportresolver.h"
#include "platform/qtclock.h"
#include "platform/qteventpump.h"
#include "platform/qtserialport.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace {

using SteadyClock = std::chrono::steady_clock;

constexpr int DefaultCommands = 1000;
constexpr double DesignedDelayMs = 100.0;

// A sequence of entries that each show a text of their own.
QByteArray sequence(int entries) {
    QByteArray file = "\tText Nr.\tAktiv\tB/S/F\tText\tParameter\tDauer\tHinweis\t\r\n";
    for (int i = 1; i <= entries; ++i)
        file += "\t" + QByteArray::number(i).rightJustified(5, '0') + "\tJA\tBLOCK\tTEXT " +
                QByteArray::number(i) + "\t3\tM1\t\t\r\n";
    return file;
}

[[noreturn]] void fail(const char* why) {
    std::fprintf(stderr, "bench_remotelatency: %s\n", why);
    std::exit(1);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int Commands = argc > 1 ? std::max(1, std::atoi(argv[1])) : DefaultCommands;
    QTemporaryDir folder;
    QDir(folder.path()).mkpath(QStringLiteral("com"));
    PtyPair pty(folder.filePath(QStringLiteral("com/COM5")),
                folder.filePath(QStringLiteral("peer")));
    if (!pty.start())
        fail("socat did not start");
    PtyArrivalReader reader(folder.filePath(QStringLiteral("peer")),
                            ArrivalReader::Mark::NewImageStarts);
    if (!reader.isOpen())
        fail("cannot open the far end");
    const quint16 remotePort = CueSystem::freePort();
    QFile show(folder.filePath(QStringLiteral("show.lta")));
    QFile ini(folder.filePath(QStringLiteral("Lumentafel.ini")));
    if (!remotePort || !show.open(QIODevice::WriteOnly) || !ini.open(QIODevice::WriteOnly))
        fail("cannot prepare the folder");
    show.write(sequence(2 * Commands + 2));
    show.close();
    ini.write("[Anzeige]\r\nSeriellerCOM-Port=5\r\nZeilen=2\r\nStellen=16\r\n[Programm]\r\n"
              "LetzteDatei=" +
              show.fileName().toLocal8Bit() + "\r\n[Fernsteuerung]\r\nAdresse=127.0.0.1\r\nPort=" +
              QByteArray::number(remotePort) + "\r\n");
    ini.close();

    QtClock clock;
    QtEventPump pump;
    ScriptedPrompter prompter;
    QtSerialPort port{ComPortResolver(folder.filePath(QStringLiteral("com")))};
    ProgramServices services{clock, pump, prompter, port, {}, {}, {}, {}};
    services.argv0 = folder.filePath(QStringLiteral("Lumentafel"));
    services.fallbackDir = folder.path();
    services.configDir = folder.filePath(QStringLiteral("config"));
    services.screenWidth = 1024;
    services.screenHeight = 768;
    ProgramWindows windows(services);
    MainWindow& main = windows.main();
    while (!main.startupDone())
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 50);

    CueSystem cues;
    // Waits until the frame of the command sent at `sent` has come; its latency.
    auto awaitFrame = [&](size_t before, SteadyClock::time_point sent) {
        const auto deadline = sent + std::chrono::seconds(5);
        while (reader.count() == before) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
            if (SteadyClock::now() > deadline)
                fail("no frame came");
        }
        return std::chrono::duration<double, std::milli>(reader.arrivals().at(before) - sent)
                   .count() -
               DesignedDelayMs;
    };
    cues.sendOsc(remotePort, "/lumentafel/manual", {"1"});
    if (cues.nextOscReply() != "/lumentafel/reply/manual ok ")
        fail("the remote did not take /lumentafel/manual");
    awaitFrame(0, SteadyClock::now());

    std::vector<double> remote;
    std::vector<double> key;
    for (int i = 0; i < Commands; ++i) {
        size_t before = reader.count();
        auto sent = SteadyClock::now();
        cues.sendOsc(remotePort, "/lumentafel/next");
        remote.push_back(awaitFrame(before, sent));
        cues.nextOscReply();

        before = reader.count();
        sent = SteadyClock::now();
        QCoreApplication::postEvent(&main,
                                    new QKeyEvent(QEvent::KeyPress, Qt::Key_F8, Qt::NoModifier));
        QCoreApplication::postEvent(&main,
                                    new QKeyEvent(QEvent::KeyRelease, Qt::Key_F8, Qt::NoModifier));
        key.push_back(awaitFrame(before, sent));
    }
    std::sort(remote.begin(), remote.end());
    std::sort(key.begin(), key.end());
    std::printf("%d commands each, from the command to the first byte of the new frame, less "
                "the designed %.0f ms (ms):\n",
                Commands, DesignedDelayMs);
    std::printf("  %-28s median %7.3f   p99 %7.3f   worst %7.3f\n", "/lumentafel/next (UDP)",
                percentile(remote, 0.5), percentile(remote, 0.99), percentile(remote, 1.0));
    std::printf("  %-28s median %7.3f   p99 %7.3f   worst %7.3f\n", "F8 key press",
                percentile(key, 0.5), percentile(key, 0.99), percentile(key, 1.0));
    return 0;
}
