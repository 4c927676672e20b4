// lumentafel-board: a character board on a pseudo-terminal or serial device, for rehearsals
// and tests without hardware. It shows the frames the program sends and answers its uploads.

#include "boardemulator.h"
#include "boardwindow.h"
#include "deviceboardline.h"
#include "ptyboardline.h"
#include "tcpboardline.h"

#include "app/settings.h"
#include "display/displaygeometry.h"
#include "platform/comportresolver.h"
#include "platform/terminationwatcher.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>

#include <cstdio>
#include <memory>

namespace {

int fail(const QString& message) {
    std::fprintf(stderr, "lumentafel-board: %s\n", qPrintable(message));
    return 2;
}

void printLine(const QString& line) {
    std::fputs(line.toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char* argv[]) {
    bool headless = false;
    for (int i = 1; i < argc; ++i)
        headless = headless || qstrcmp(argv[i], "--headless") == 0;
    std::unique_ptr<QCoreApplication> app(headless ? new QCoreApplication(argc, argv)
                                                   : new QApplication(argc, argv));
    QCoreApplication::setApplicationName(QStringLiteral("lumentafel-board"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("A character board for Lumentafel on a pseudo-terminal or a serial "
                       "device: shows the frames it receives and answers uploads."));
    parser.addHelpOption();
    const QCommandLineOption portOption(
        QStringLiteral("port"),
        QStringLiteral("Publish the board as COM<n> in the ports folder (%1).")
            .arg(ComPortResolver::defaultLinkFolder()),
        QStringLiteral("n"), QStringLiteral("1"));
    const QCommandLineOption deviceOption(QStringLiteral("device"),
                                          QStringLiteral("Listen on this serial device instead."),
                                          QStringLiteral("path"));
    const QCommandLineOption tcpOption(
        QStringLiteral("tcp"),
        QStringLiteral("Listen as a serial device server in raw TCP mode on this port (0: any "
                       "free port), one client at a time."),
        QStringLiteral("port"));
    const QCommandLineOption tcpAddressOption(
        QStringLiteral("tcp-address"),
        QStringLiteral("The address --tcp listens on (default: every address)."),
        QStringLiteral("address"));
    const QCommandLineOption baudOption(QStringLiteral("baud"),
                                        QStringLiteral("Baud rate on --device (default 19200)."),
                                        QStringLiteral("rate"), QStringLiteral("19200"));
    const QCommandLineOption linesOption(QStringLiteral("lines"),
                                         QStringLiteral("Lines of the board (default 3)."),
                                         QStringLiteral("n"));
    const QCommandLineOption columnsOption(QStringLiteral("columns"),
                                           QStringLiteral("Characters per line (default 24)."),
                                           QStringLiteral("n"));
    const QCommandLineOption settingsOption(
        QStringLiteral("settings"),
        QStringLiteral("Take the board size from the program's settings file (Zeilen, Stellen)."),
        QStringLiteral("file"));
    const QCommandLineOption replyOption(
        QStringLiteral("reply"),
        QStringLiteral("Answer every upload with eeprom-false or check-false, or never answer "
                       "(none)."),
        QStringLiteral("kind"));
    const QCommandLineOption babbleOption(QStringLiteral("babble"),
                                          QStringLiteral("Send random bytes and broken replies."));
    const QCommandLineOption headlessOption(QStringLiteral("headless"),
                                            QStringLiteral("No window: print one line per event."));
    parser.addOptions({portOption, deviceOption, tcpOption, tcpAddressOption, baudOption,
                       linesOption, columnsOption, settingsOption, replyOption, babbleOption,
                       headlessOption});
    parser.process(*app);

    BoardEmulator::Options options;
    int lines = 3;
    int columns = 24;
    if (parser.isSet(settingsOption)) {
        const QString file = parser.value(settingsOption);
        if (!QFileInfo::exists(file))
            return fail(QStringLiteral("no settings file %1").arg(file));
        const Settings settings = SettingsFile(file).read(QFileInfo(file).absolutePath());
        lines = settings.lines;
        columns = settings.columns;
    }
    bool ok = true;
    if (parser.isSet(linesOption))
        lines = parser.value(linesOption).toInt(&ok);
    if (ok && parser.isSet(columnsOption))
        columns = parser.value(columnsOption).toInt(&ok);
    if (!ok)
        return fail(QStringLiteral("--lines and --columns take numbers"));
    const DisplayGeometry geometry = DisplayGeometry::fromSettings(lines, columns);
    options.lineCount = geometry.lineCount;
    options.columnCount = geometry.columnCount;

    const QString reply = parser.value(replyOption);
    if (reply == QLatin1String("eeprom-false"))
        options.reply = BoardEmulator::Reply::EepromFalse;
    else if (reply == QLatin1String("check-false"))
        options.reply = BoardEmulator::Reply::CheckFalse;
    else if (reply == QLatin1String("none"))
        options.reply = BoardEmulator::Reply::None;
    else if (!reply.isEmpty())
        return fail(QStringLiteral("--reply takes eeprom-false, check-false or none"));
    options.babble = parser.isSet(babbleOption);

    std::unique_ptr<BoardLine> line;
    if (parser.isSet(tcpOption)) {
        const int tcpPort = parser.value(tcpOption).toInt(&ok);
        QHostAddress address(QHostAddress::Any);
        if (parser.isSet(tcpAddressOption) && !address.setAddress(parser.value(tcpAddressOption)))
            return fail(QStringLiteral("--tcp-address takes an address such as 127.0.0.1"));
        if (!ok || tcpPort < 0 || tcpPort > 65535)
            return fail(QStringLiteral("--tcp takes a port number from 0 to 65535"));
        line = std::make_unique<TcpBoardLine>(address, static_cast<quint16>(tcpPort));
    } else if (parser.isSet(deviceOption)) {
        line = std::make_unique<DeviceBoardLine>(parser.value(deviceOption),
                                                 parser.value(baudOption).toInt());
    } else {
        const int port = parser.value(portOption).toInt(&ok);
        if (!ok || port < 1 || port > ComPortResolver::MaxPort)
            return fail(
                QStringLiteral("--port takes a number from 1 to %1").arg(ComPortResolver::MaxPort));
        line = std::make_unique<PtyBoardLine>(ComPortResolver::defaultLinkFolder() +
                                              QStringLiteral("/COM%1").arg(port));
    }
    const QString error = line->open();
    if (!error.isEmpty())
        return fail(error);

    BoardEmulator board(*line, options);
    // SIGTERM and SIGINT end the event loop, so the link is removed on the way out.
    TerminationWatcher termination;
    QObject::connect(&termination, &TerminationWatcher::terminationRequested, app.get(),
                     &QCoreApplication::quit);

    std::unique_ptr<BoardWindow> window;
    if (headless) {
        QObject::connect(&board, &BoardEmulator::eventLogged, &printLine);
    } else {
        window = std::make_unique<BoardWindow>(board, line->description());
        window->show();
    }
    printLine(QStringLiteral("ready %1, %2 x %3")
                  .arg(line->description())
                  .arg(options.lineCount)
                  .arg(options.columnCount));
    return QCoreApplication::exec();
}
