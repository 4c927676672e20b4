#include "app/mainwindow.h"
#include "app/programservices.h"
#include "app/programwindows.h"
#include "display/portselectdialog.h"
#include "platform/comportresolver.h"
#include "platform/portlister.h"
#include "platform/qtclock.h"
#include "platform/qteventpump.h"
#include "platform/qtprompter.h"
#include "platform/qtserialport.h"
#include "platform/terminationwatcher.h"

#include <QApplication>
#include <QFileInfo>
#include <QSessionManager>
#include <QStandardPaths>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The name the program was started under, not the binary a symlink points at.
    QApplication::setApplicationName(
        QFileInfo(argc > 0 ? QString::fromLocal8Bit(argv[0]) : QString()).fileName());
    // The main window alone ends the program, through its close passes.
    QApplication::setQuitOnLastWindowClosed(false);

    QtClock clock;
    QtEventPump pump;
    QtPrompter prompter;
    prompter.setPortChooser(&PortSelectDialog::choose);
    const ComPortResolver resolver;
    QtSerialPort port(resolver);
    const PortLister lister(resolver);

    ProgramServices services{clock, pump, prompter, port, {}, {}, {}, {}};
    services.listPorts = [&lister] {
        return lister.availablePorts();
    };
    services.argv0 = argc > 0 ? QString::fromLocal8Bit(argv[0]) : QString();
    services.fallbackDir = QCoreApplication::applicationDirPath();
    // "lumentafel show.lta": the sequence to open instead of the last one.
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() > 1)
        services.sequenceFile = QFileInfo(arguments.at(1)).absoluteFilePath();
    services.configDir = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                         QStringLiteral("/lumentafel");

    ProgramWindows windows(services);
    MainWindow& mainWindow = windows.main();
    prompter.setParent(&mainWindow);
    QObject::connect(&mainWindow, &MainWindow::closed, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);

    // The desktop session ending, SIGTERM and SIGINT all run the normal close passes,
    // without questions, so the display is blanked and the settings are written.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &mainWindow,
                     [&mainWindow](QSessionManager&) { mainWindow.requestClose(false); });
    TerminationWatcher termination;
    QObject::connect(&termination, &TerminationWatcher::terminationRequested, &mainWindow,
                     [&mainWindow] { mainWindow.requestClose(false); });

    mainWindow.show();
    const int result = QApplication::exec();
    port.close();
    return result;
}
