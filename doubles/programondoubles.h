#pragma once

#include "programfolder.h"
#include "recordingserialport.h"
#include "scriptedprompter.h"
#include "virtualclock.h"
#include "virtualeventpump.h"

#include "app/mainwindow.h"
#include "app/programservices.h"
#include "app/programwindows.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <memory>

// The whole program on doubles (the virtual clock and event pump, scripted boxes, a recording
// port offering COM1) over a temporary folder, started under `name`: its settings file is
// `name`.ini there. start() opens the windows and runs the start-up; dropping `windows` ends
// the run without a word, as a kill would.
struct ProgramOnDoubles {
    QTemporaryDir dir;
    VirtualClock clock;
    VirtualEventPump pump{clock};
    ScriptedPrompter prompter;
    RecordingSerialPort port;
    std::unique_ptr<ProgramServices> services;
    std::unique_ptr<ProgramWindows> windows;

    explicit ProgramOnDoubles(const QString& name) {
        services = servicesInFolder(dir.path(), name, clock, pump, prompter, port);
        port.setAvailablePorts({1});
    }
    QString path(const QString& name) const { return dir.filePath(name); }
    bool writeFile(const QString& name, const QByteArray& bytes) const {
        QFile f(path(name));
        return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
    }
    void start() {
        windows = std::make_unique<ProgramWindows>(*services);
        clock.advance(200);
    }
    MainWindow& main() { return windows->main(); }
};
