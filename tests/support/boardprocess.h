#pragma once

#include <QDeadlineTimer>
#include <QProcess>
#include <QStringList>
#include <QTest>

// lumentafel-board --headless as a process; its event lines are collected as they come.
struct BoardProcess {
    QProcess process;
    QStringList lines;
    QByteArray partial;

    bool start(const QStringList& arguments, const QString& comDir = {}) {
        const QString binary = qEnvironmentVariable("LUMENTAFEL_BOARD_BINARY");
        if (binary.isEmpty())
            return false;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        if (!comDir.isEmpty())
            env.insert(QStringLiteral("LUMENTAFEL_COM_DIR"), comDir);
        process.setProcessEnvironment(env);
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QObject::connect(&process, &QProcess::readyReadStandardOutput, [this] { collect(); });
        process.start(binary, QStringList{QStringLiteral("--headless")} + arguments);
        return waitFor(QStringLiteral("ready"));
    }
    void collect() {
        partial += process.readAllStandardOutput();
        qsizetype end;
        while ((end = partial.indexOf('\n')) >= 0) {
            lines << QString::fromUtf8(partial.left(end));
            partial.remove(0, end + 1);
        }
    }
    // Waits, turning the event loop, until a line starting with prefix has come; generous,
    // since the machine may be busy.
    bool waitFor(const QString& prefix, int timeoutMs = 20000) {
        QDeadlineTimer deadline(timeoutMs);
        while (!deadline.hasExpired()) {
            for (const QString& line : std::as_const(lines))
                if (line.startsWith(prefix))
                    return true;
            if (process.state() == QProcess::NotRunning)
                return false;
            QTest::qWait(10);
        }
        return false;
    }
    QString report() const { return lines.join(QLatin1Char('\n')); }
};
