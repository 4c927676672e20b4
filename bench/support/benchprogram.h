#pragma once

#include "app/mainwindow.h"
#include "app/programservices.h"
#include "app/programwindows.h"
#include "programfolder.h"
#include "recordingserialport.h"
#include "scriptedprompter.h"
#include "virtualclock.h"
#include "virtualeventpump.h"

#include <QFile>
#include <QLatin1String>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <memory>

// The whole program on the doubles, started in a folder of its own with its port open and
// nothing to ask: what a benchmark of a whole-program path measures against.
struct BenchProgram {
    const char* benchName;
    QTemporaryDir dir;
    VirtualClock clock;
    VirtualEventPump pump{clock};
    ScriptedPrompter prompter;
    RecordingSerialPort port;
    std::unique_ptr<ProgramServices> services;
    std::unique_ptr<ProgramWindows> windows;

    explicit BenchProgram(const char* name)
        : benchName(name) {
        QFile ini(dir.filePath(QStringLiteral("RPW.ini")));
        if (!ini.open(QIODevice::WriteOnly))
            fail("cannot write the settings file");
        ini.write("[Anzeige]\r\nSeriellerCOM-Port=1\r\n");
        ini.close();
        port.setAvailablePorts({1});
        services = servicesInFolder(dir.path(), QStringLiteral("RPW"), clock, pump, prompter, port);
        windows = std::make_unique<ProgramWindows>(*services);
        clock.advance(200);
        if (!main().startupDone() || !prompter.finished())
            fail(prompter.report().constData());
    }
    ~BenchProgram() {
        if (!prompter.finished())
            std::fprintf(stderr, "%s: unexpected boxes: %s\n", benchName,
                         prompter.report().constData());
    }
    BenchProgram(const BenchProgram&) = delete;
    BenchProgram& operator=(const BenchProgram&) = delete;

    [[noreturn]] void fail(const char* why) const {
        std::fprintf(stderr, "%s: %s\n", benchName, why);
        std::exit(1);
    }
    MainWindow& main() { return windows->main(); }
    template <typename T> T* widget(const char* name) {
        T* w = main().findChild<T*>(QLatin1String(name));
        if (!w)
            fail(name);
        return w;
    }
};
