// The board emulator on its pseudo-terminal, measured:
//  - from "senden" to "OK!" for an upload of 2048 bytes, the program's port at 57600 and at
//    9600 baud (a pseudo-terminal moves bytes at memory speed whatever the rate: the figures
//    show the handshake's own cost, to be set beside the line's 0.39 s and 2.35 s);
//  - the frames per second the emulator takes without losing one, fed at the pace of a
//    19200-baud line (11 bits per byte) and, for its ceiling, as fast as the line goes.
// Usage: bench_board BOARD_BINARY   (prints one line per figure)

#include "display/uploadbuilder.h"
#include "display/uploadhandshake.h"
#include "display/uploadtexts.h"
#include "platform/comportresolver.h"
#include "platform/qtclock.h"
#include "platform/qtserialport.h"
#include "sequence/sequencetable.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>

namespace {

struct Board {
    QProcess process;
    int frames = 0;
    int errors = 0;
    QByteArray partial;

    bool start(const QString& binary, const QString& comDir, int lines, int columns) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LUMENTAFEL_COM_DIR"), comDir);
        process.setProcessEnvironment(env);
        QObject::connect(&process, &QProcess::readyReadStandardOutput, [this] {
            partial += process.readAllStandardOutput();
            qsizetype end;
            while ((end = partial.indexOf('\n')) >= 0) {
                const QByteArray line = partial.left(end);
                partial.remove(0, end + 1);
                frames += line.startsWith("frame");
                errors += line.startsWith("framing-error");
            }
        });
        process.start(binary,
                      {QStringLiteral("--headless"), QStringLiteral("--port"), QStringLiteral("1"),
                       QStringLiteral("--lines"), QString::number(lines),
                       QStringLiteral("--columns"), QString::number(columns)});
        return process.waitForStarted() && process.waitForReadyRead(10000);
    }
    ~Board() {
        process.terminate();
        process.waitForFinished(5000);
    }
};

// 26 one-page blocks and a flowing text: exactly 2048 bytes on 3 x 24.
std::vector<SequenceTable::Cells> fullUpload() {
    std::vector<SequenceTable::Cells> rows;
    for (int i = 1; i <= 27; ++i) {
        SequenceTable::Cells c;
        c[SequenceTable::NumberColumn] = QByteArray::number(i);
        c[SequenceTable::ActiveColumn] = "JA";
        c[SequenceTable::KindColumn] = i <= 26 ? "B" : "F";
        c[SequenceTable::TextColumn] = i <= 26 ? "ZEILE_EINS,ZEILE_ZWEI" : "\"ABC\"";
        c[SequenceTable::ParameterColumn] = i <= 26 ? "3" : "3,2,OBEN,UNTEN";
        c[SequenceTable::DurationColumn] = "M3";
        rows.push_back(c);
    }
    return rows;
}

void measureUpload(const QString& binary, int baud) {
    QTemporaryDir dir;
    Board board;
    if (!board.start(binary, dir.filePath(QStringLiteral("com")), 3, 24)) {
        std::printf("upload at %d baud: the board did not start\n", baud);
        return;
    }
    QtClock clock;
    QtSerialPort port{ComPortResolver(dir.filePath(QStringLiteral("com")))};
    port.setPortNumber(1);
    port.setBaudRate(baud);
    QString status;
    UploadHandshake::Hooks hooks;
    hooks.outputEnabled = [] {
        return true;
    };
    hooks.showStatus = [&status](const QString& text) {
        status = text;
    };
    UploadHandshake handshake(port, clock, hooks);
    port.setReceiveHandler([&handshake](const QByteArray& bytes) { handshake.receive(bytes); });
    port.open();
    SequenceTable table;
    table.setRows(fullUpload());
    const UploadBuilder::Result built = UploadBuilder::build(table, 3, 24);
    if (!built.ok()) {
        std::printf("upload at %d baud: not built (%d bytes)\n", baud, int(built.data.size()));
        return;
    }

    const int rounds = 20;
    QElapsedTimer timer;
    qint64 total = 0;
    qint64 worst = 0;
    for (int i = 0; i < rounds; ++i) {
        status.clear();
        timer.start();
        handshake.start(table, 3, 24);
        while (status != UploadTexts::transmissionOk() && timer.elapsed() < 10000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        const qint64 ns = timer.nsecsElapsed();
        total += ns;
        worst = std::max(worst, ns);
    }
    std::printf("upload of %lld bytes at %d baud, senden to OK!: mean %.1f ms, worst %.1f ms "
                "(%d rounds; on a real line the bytes alone take %.2f s)\n",
                static_cast<long long>(handshake.uploadData().size()), baud, total / 1e6 / rounds,
                worst / 1e6, rounds, handshake.uploadData().size() * 11.0 / baud);
}

void measureFrames(const QString& binary, int lines, int columns) {
    QTemporaryDir dir;
    Board board;
    if (!board.start(binary, dir.filePath(QStringLiteral("com")), lines, columns)) {
        std::printf("frames on %d x %d: the board did not start\n", lines, columns);
        return;
    }
    QSerialPort line;
    line.setPortName(dir.filePath(QStringLiteral("com/COM1")));
    if (!line.open(QIODevice::ReadWrite))
        return;
    line.setBaudRate(19200);
    QByteArray frame(qsizetype(lines) * columns + 2, 'A');
    frame.front() = 0x02;
    frame.back() = 0x03;
    const double lineFps = 19200.0 / 11 / frame.size();

    const auto drain = [&board](int expected) {
        QElapsedTimer wait;
        wait.start();
        while (board.frames < expected && wait.elapsed() < 30000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    };

    // Paced as a 19200-baud line would carry them, for three seconds.
    const int paced = std::max(5, int(lineFps * 3));
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < paced; ++i) {
        line.write(frame);
        line.waitForBytesWritten(1000);
        const qint64 due = qint64((i + 1) * 1000.0 / lineFps);
        while (timer.elapsed() < due) {
            QCoreApplication::processEvents();
            QThread::msleep(1);
        }
    }
    drain(paced);
    std::printf("frames on %d x %d at the 19200-baud pace (%.1f/s): %d sent, %d shown, %d "
                "framing errors\n",
                lines, columns, lineFps, paced, board.frames, board.errors);

    // As fast as the pseudo-terminal takes them: the emulator's ceiling.
    const int before = board.frames;
    const int burst = lines * columns > 500 ? 500 : 3000;
    timer.start();
    for (int i = 0; i < burst; ++i) {
        line.write(frame);
        if (line.bytesToWrite() > 65536)
            line.waitForBytesWritten(1000);
        QCoreApplication::processEvents();
    }
    while (line.bytesToWrite() > 0)
        line.waitForBytesWritten(1000);
    drain(before + burst);
    const double seconds = timer.nsecsElapsed() / 1e9;
    std::printf("frames on %d x %d unpaced: %d sent, %d shown, %d framing errors, %.0f frames/s "
                "(%.0f times the line's rate)\n",
                lines, columns, burst, board.frames - before, board.errors,
                (board.frames - before) / seconds, (board.frames - before) / seconds / lineFps);
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_board LUMENTAFEL_BOARD_BINARY\n");
        return 2;
    }
    const QString binary = QString::fromLocal8Bit(argv[1]);
    measureUpload(binary, 57600);
    measureUpload(binary, 9600);
    measureFrames(binary, 3, 24);
    measureFrames(binary, 10, 100);
    return 0;
}
