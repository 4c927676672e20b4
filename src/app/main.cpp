#include "app/commandline.h"
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

#include <cstdio>

namespace {

QStringList argumentList(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

bool asksOnlyForText(const CommandLine& line) {
    return line.request() == CommandLine::Request::Help ||
           line.request() == CommandLine::Request::Version;
}

void print(const QString& text, FILE* stream) {
    std::fputs(qPrintable(text + QLatin1Char('\n')), stream);
}

} // namespace

int main(int argc, char* argv[]) {
    // "--help" and "--version" answer in the terminal without opening a window, so they work
    // where no display is reachable. Anything else waits for the application, which first
    // takes the toolkit's own options (-platform, -style ...) out of the arguments.
    if (asksOnlyForText(CommandLine(argumentList(argc, argv)))) {
        const QCoreApplication core(argc, argv);
        print(CommandLine(QCoreApplication::arguments()).text(), stdout);
        return 0;
    }
    QApplication app(argc, argv);
    const CommandLine commandLine(QCoreApplication::arguments());
    if (asksOnlyForText(commandLine)) {
        print(commandLine.text(), stdout);
        return 0;
    }
    if (commandLine.request() == CommandLine::Request::Error) {
        // The desktop's convention for a wrong invocation: the reason and exit code 2.
        print(commandLine.text(), stderr);
        return 2;
    }
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
    services.sequenceFile = commandLine.sequenceFile();
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
