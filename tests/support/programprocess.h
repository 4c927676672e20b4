#pragma once

#include "ptypair.h"
#include "ptyreader.h"
#include "xsession.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <csignal>
#include <memory>

// The real executable in a temporary folder, started through a symlink named like the stage
// variant, with its settings file beside it and its port behind a socat pseudo-terminal pair.
struct ProgramFolder {
    QTemporaryDir dir;
    std::unique_ptr<PtyPair> pty;
    std::unique_ptr<PtyReader> board;
    QProcess program;
    QByteArray log;

    QString path(const QString& name) const { return dir.filePath(name); }

    bool prepare(const QByteArray& ini) {
        const QString binary = qEnvironmentVariable("LUMENTAFEL_BINARY");
        if (!QFile::exists(binary) || !QFile::link(binary, path(QStringLiteral("RPW"))) ||
            !QDir(dir.path()).mkpath(QStringLiteral("com")))
            return false;
        pty = std::make_unique<PtyPair>(path(QStringLiteral("com/COM7")),
                                        path(QStringLiteral("board")));
        if (!pty->start())
            return false;
        board = std::make_unique<PtyReader>(pty->linkB());
        return board->isOpen() && write(QStringLiteral("RPW.ini"), ini);
    }
    bool write(const QString& name, const QByteArray& bytes) const {
        QFile f(path(name));
        return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
    }
    QByteArray read(const QString& name) const {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    // Starts the program and waits until its start-up has run.
    bool start(const QProcessEnvironment& environment, const QStringList& arguments = {}) {
        return launch(environment, arguments) && waitForLog("start-up complete", 20000);
    }
    bool launch(const QProcessEnvironment& environment, const QStringList& arguments = {}) {
        QProcessEnvironment env = environment;
        env.insert(QStringLiteral("LUMENTAFEL_COM_DIR"), path(QStringLiteral("com")));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), path(QStringLiteral("config")));
        // The show log goes into the folder too, not into the user's data folder.
        env.insert(QStringLiteral("XDG_DATA_HOME"), path(QStringLiteral("data")));
        program.setProcessEnvironment(env);
        program.setWorkingDirectory(dir.path());
        program.setProcessChannelMode(QProcess::SeparateChannels);
        program.start(path(QStringLiteral("RPW")), arguments);
        return program.waitForStarted();
    }
    bool waitForLog(const QByteArray& text, int timeoutMs) {
        QDeadlineTimer deadline(timeoutMs);
        while (!log.contains(text) && !deadline.hasExpired() &&
               program.state() == QProcess::Running) {
            program.waitForReadyRead(100);
            log += program.readAllStandardError();
        }
        return log.contains(text);
    }
    // Ends the program as the system would and waits for it.
    bool terminate(int signalNumber = SIGTERM) {
        return ::kill(static_cast<pid_t>(program.processId()), signalNumber) == 0 &&
               program.waitForFinished(10000) && program.exitStatus() == QProcess::NormalExit &&
               program.exitCode() == 0;
    }
};

inline QProcessEnvironment offscreen() {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return env;
}

inline QProcessEnvironment onX(const XSession& x) {
    QProcessEnvironment env = x.environment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    return env;
}
