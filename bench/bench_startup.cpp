// Time from starting a process to the end of its start-up sequence, for the program and for a
// bare Qt window, both offscreen. The program runs from a temporary folder through a symlink,
// with its settings file beside it and its port behind a socat pseudo-terminal pair, so the
// start-up opens a real serial line and asks nothing.
#include "ptypair.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Milliseconds until the process logs the end of its start-up, or -1.
double timeOneStart(const QString& program, const QString& folder, const QString& comFolder) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("LUMENTAFEL_COM_DIR"), comFolder);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), folder + QStringLiteral("/config"));
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(folder);
    process.setReadChannel(QProcess::StandardError);
    QElapsedTimer clock;
    clock.start();
    process.start(program, {});
    QByteArray log;
    double ms = -1;
    while (clock.elapsed() < 20000 && process.waitForReadyRead(20000)) {
        log += process.readAllStandardError();
        if (log.contains("start-up complete")) {
            ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
            break;
        }
    }
    process.terminate();
    process.waitForFinished(10000);
    return ms;
}

void report(const char* name, std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    const double median = samples[samples.size() / 2];
    std::printf("%-34s median %7.1f ms   min %7.1f ms   max %7.1f ms   (%zu runs)\n", name, median,
                samples.front(), samples.back(), samples.size());
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 10;
    const QString binDir = QCoreApplication::applicationDirPath();
    const QString program = QDir(binDir).absoluteFilePath(QStringLiteral("../lumentafel"));
    const QString bare = QDir(binDir).absoluteFilePath(QStringLiteral("bench_barewindow"));

    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("com"));
    QFile::link(program, dir.filePath(QStringLiteral("RPW")));
    PtyPair pty(dir.filePath(QStringLiteral("com/COM7")), dir.filePath(QStringLiteral("board")));
    if (!pty.start()) {
        std::fprintf(stderr, "socat did not start: %s\n", pty.output().constData());
        return 1;
    }
    QFile ini(dir.filePath(QStringLiteral("RPW.ini")));
    if (!ini.open(QIODevice::WriteOnly))
        return 1;
    ini.write("[Anzeige]\r\nSeriellerCOM-Port=7\r\n");
    ini.close();

    std::vector<double> programTimes, bareTimes;
    for (int i = 0; i < runs; ++i) {
        const double p = timeOneStart(dir.filePath(QStringLiteral("RPW")), dir.path(),
                                      dir.filePath(QStringLiteral("com")));
        const double b = timeOneStart(bare, dir.path(), dir.filePath(QStringLiteral("com")));
        if (p < 0 || b < 0) {
            std::fprintf(stderr, "a start did not complete\n");
            return 1;
        }
        programTimes.push_back(p);
        bareTimes.push_back(b);
    }
    report("lumentafel start-up (incl. 200 ms)", programTimes);
    for (double& t : programTimes)
        t -= 200.0;
    report("lumentafel less CreateTimer wait", programTimes);
    report("bare Qt window", bareTimes);
    return 0;
}
