#pragma once

#include "programfolder.h"
#include "ptypair.h"
#include "ptyreader.h"
#include "scriptedprompter.h"
#include "virtualclock.h"

#include "app/mainwindow.h"
#include "app/programservices.h"
#include "app/programwindows.h"
#include "platform/comportresolver.h"
#include "platform/qteventpump.h"
#include "platform/qtserialport.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <memory>

// The whole program on the virtual clock, its port a real serial port behind a socat
// pseudo-terminal pair whose far end (the peer) the test reads and writes.
struct ProgramOnLine {
    QTemporaryDir dir;
    std::unique_ptr<PtyPair> pty;
    std::unique_ptr<PtyReader> peer;
    VirtualClock clock;
    QtEventPump pump;
    ScriptedPrompter prompter;
    std::unique_ptr<QtSerialPort> port;
    std::unique_ptr<ProgramServices> services;
    std::unique_ptr<ProgramWindows> windows;
    // Off when another process (the board emulator) takes the far end.
    bool openPeer = true;

    // Starts the program on a display of 2 lines of 4 characters, port COM5; further lines of
    // the [Anzeige] section may follow.
    bool start(const QByteArray& displayKeys = {}) {
        QDir(dir.path()).mkpath(QStringLiteral("com"));
        pty = std::make_unique<PtyPair>(dir.filePath(QStringLiteral("com/COM5")),
                                        dir.filePath(QStringLiteral("peer")));
        if (!pty->start())
            return false;
        if (openPeer)
            peer = std::make_unique<PtyReader>(dir.filePath(QStringLiteral("peer")));
        QFile ini(dir.filePath(QStringLiteral("Lumentafel.ini")));
        if ((openPeer && !peer->isOpen()) || !ini.open(QIODevice::WriteOnly))
            return false;
        ini.write("[Anzeige]\r\nSeriellerCOM-Port=5\r\nZeilen=2\r\nStellen=4\r\n" + displayKeys);
        ini.close();
        port = std::make_unique<QtSerialPort>(ComPortResolver(dir.filePath(QStringLiteral("com"))));
        services = servicesInFolder(dir.path(), QStringLiteral("Lumentafel"), clock, pump, prompter,
                                    *port);
        windows = std::make_unique<ProgramWindows>(*services);
        clock.advance(200);
        return main().startupDone() && port->isOpen();
    }
    MainWindow& main() { return windows->main(); }
};
