// How punctually frames reach every board when the program drives several: the first board on
// its serial port (a socat pseudo-terminal), the further boards as serial device servers in
// raw TCP mode on the loopback address. A flowing text runs at the fastest step (50 ms); a
// reader thread per board timestamps each frame's end byte as it arrives. Runs four set-ups
// (one board; two; four; four with one TCP board that never reads) and prints the lateness
// against the schedule (first frame 100 ms after the start, then one every 50 ms), median and
// p99, per board. Every frame also writes a show log line (far more than a show does): the
// time the interface thread spends handing a line over is printed too, and so is the time it
// spends handing each frame to the further boards.
#include "arrivalreader.h"
#include "frameschedule.h"
#include "ptypair.h"

#include "display/boardaddress.h"
#include "display/boardfanout.h"
#include "display/displayoutput.h"
#include "display/tcpboardoutput.h"
#include "platform/comportresolver.h"
#include "platform/qtclock.h"
#include "platform/qteventpump.h"
#include "platform/qtserialport.h"
#include "playback/playbackcontroller.h"
#include "sequence/rowselection.h"
#include "sequence/sequencetable.h"
#include "showlog/showlog.h"
#include "showlog/showlogwriter.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <termios.h>
#include <unistd.h>

namespace {

using SteadyClock = std::chrono::steady_clock;

constexpr int Lines = 3;
constexpr int Columns = 24;
constexpr int TextLength = 200;
constexpr int FrameCount = Columns + TextLength + 3;
constexpr int StepMs = 50;

// A serial device server on 127.0.0.1 and an ephemeral port; a stalled one accepts the
// connection and never reads, with a small receive buffer so the program's bytes pile up.
class TcpReader final : public ArrivalReader {
public:
    explicit TcpReader(bool stalled) {
        m_listener = ::socket(AF_INET, SOCK_STREAM, 0);
        if (stalled) {
            const int small = 2048;
            ::setsockopt(m_listener, SOL_SOCKET, SO_RCVBUF, &small, sizeof small);
        }
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (::bind(m_listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
            ::listen(m_listener, 1) != 0 ||
            ::getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &length) != 0)
            return;
        m_port = ntohs(address.sin_port);
        m_thread = std::thread([this, stalled] {
            pollfd p{m_listener, POLLIN, 0};
            while (!m_stop && ::poll(&p, 1, 100) <= 0) {
            }
            if (m_stop)
                return;
            m_client = ::accept(m_listener, nullptr, nullptr);
            if (stalled) {
                while (!m_stop)
                    std::this_thread::sleep_for(std::chrono::milliseconds(50));
                return;
            }
            readLoop(m_client);
        });
    }
    ~TcpReader() override {
        stop();
        if (m_client >= 0)
            ::close(m_client);
        ::close(m_listener);
    }
    quint16 port() const { return m_port; }

private:
    int m_listener = -1;
    int m_client = -1;
    quint16 m_port = 0;
};

void printLateness(const char* what, const std::vector<double>& sorted) {
    if (sorted.empty()) {
        std::printf("  %-28s no frames\n", what);
        return;
    }
    std::printf("  %-28s frames %3zu  median %7.3f ms  p99 %7.3f ms  worst %7.3f ms\n", what,
                sorted.size(), percentile(sorted, 0.5), percentile(sorted, 0.99), sorted.back());
}

int run(QCoreApplication& app, int tcpBoards, bool oneStalled) {
    QTemporaryDir folder;
    PtyPair pty(folder.filePath(QStringLiteral("COM5")), folder.filePath(QStringLiteral("peer")));
    if (!pty.start()) {
        std::fprintf(stderr, "socat did not start: %s\n", pty.output().constData());
        return 1;
    }
    PtyArrivalReader first(folder.filePath(QStringLiteral("peer")));
    std::vector<std::unique_ptr<TcpReader>> servers;
    for (int i = 0; i < tcpBoards; ++i)
        servers.push_back(std::make_unique<TcpReader>(oneStalled && i == tcpBoards - 1));

    QtClock clock;
    QtEventPump pump;
    QtSerialPort port{ComPortResolver(folder.path())};
    port.setPortNumber(5);
    port.setBaudRate(19200);
    port.open();
    DisplayOutput output(port, pump, clock);
    output.setGeometry(Lines, Columns);
    output.setOutputEnabled(true);
    BoardFanOut fanOut([&clock](const BoardAddress& address) {
        return std::make_unique<TcpBoardOutput>(address.host, address.tcpPort, clock);
    });
    QList<BoardAddress> addresses;
    for (const auto& server : servers)
        addresses.append(
            *BoardAddress::parse(QStringLiteral("tcp://127.0.0.1:%1").arg(server->port())));
    fanOut.setBoards(addresses);

    ShowLogWriter writer(folder.filePath(QStringLiteral("logs")));
    ShowLog log(writer);
    std::vector<double> logCalls;
    std::vector<double> fanOutCalls;
    output.setFrameSink([&](const QByteArray& frame) {
        const auto handed = SteadyClock::now();
        fanOut.sendFrame(frame);
        const auto before = SteadyClock::now();
        fanOutCalls.push_back(std::chrono::duration<double, std::micro>(before - handed).count());
        ShownEntry entry;
        entry.number = "00001";
        entry.kind = TextKind::Flow;
        entry.lines = {frame.mid(1, Columns)};
        log.entryStarted(entry, CommandOrigin::durationTimer());
        logCalls.push_back(
            std::chrono::duration<double, std::micro>(SteadyClock::now() - before).count());
    });
    // Every TCP board connected before the show starts.
    const auto connectBy = SteadyClock::now() + std::chrono::seconds(5);
    while (SteadyClock::now() < connectBy) {
        bool all = true;
        for (int i = 0; i < fanOut.count(); ++i)
            all = all && fanOut.output(i).isConnected();
        if (all)
            break;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }

    SequenceTable table;
    table.setRows({flowingTextEntry(TextLength)});
    RowSelection selection(table);
    PlaybackController controller(table, selection, output, clock, &app);
    controller.setSpeedFactor(PlaybackController::FastestSpeed);
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, &app, [&] {
        if (first.count() >= size_t(FrameCount))
            app.quit();
    });
    watch.start(200);
    const auto start = SteadyClock::now();
    controller.play();
    app.exec();
    // The TCP boards' last frames may still be on their way.
    const auto settle = SteadyClock::now() + std::chrono::milliseconds(300);
    while (SteadyClock::now() < settle)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    controller.stop();

    std::printf("%d board%s%s:\n", 1 + tcpBoards, tcpBoards ? "s" : "",
                oneStalled ? ", one TCP board stalled" : "");
    printLateness("COM5 (pseudo-terminal)",
                  latenesses(first.arrivals(), start, FrameCount, StepMs));
    for (int i = 0; i < tcpBoards; ++i) {
        const bool stalled = oneStalled && i == tcpBoards - 1;
        const QByteArray name =
            "tcp board " + QByteArray::number(i + 1) + (stalled ? " (stalled)" : "");
        if (stalled)
            std::printf("  %-28s state %s, %lld bytes waiting\n", name.constData(),
                        qPrintable(BoardOutput::stateText(fanOut.output(i).state())),
                        static_cast<long long>(fanOut.output(i).bytesWaiting()));
        else
            printLateness(name.constData(),
                          latenesses(servers[size_t(i)]->arrivals(), start, FrameCount, StepMs));
    }
    std::sort(fanOutCalls.begin(), fanOutCalls.end());
    if (tcpBoards > 0)
        std::printf(
            "  frame handed to the TCP boards: median %7.3f us  p99 %7.3f us  worst %7.3f us\n",
            percentile(fanOutCalls, 0.5), percentile(fanOutCalls, 0.99), fanOutCalls.back());
    std::sort(logCalls.begin(), logCalls.end());
    if (!logCalls.empty())
        std::printf(
            "  show log line handed over:   median %7.3f us  p99 %7.3f us  worst %7.3f us\n",
            percentile(logCalls, 0.5), percentile(logCalls, 0.99), logCalls.back());
    writer.waitUntilWritten();
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    std::printf("frames: %d at %d ms steps, %d x %d display\n", FrameCount, StepMs, Lines, Columns);
    for (const auto& [tcpBoards, stalled] :
         std::vector<std::pair<int, bool>>{{0, false}, {1, false}, {3, false}, {3, true}}) {
        if (run(app, tcpBoards, stalled) != 0)
            return 1;
    }
    return 0;
}
