#include "programshowlog.h"

#include "display/boardmonitor.h"
#include "playback/playbackcommands.h"
#include "remote/remoteserver.h"
#include "showlog/showlog.h"
#include "showlog/showlogwriter.h"

#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QStandardPaths>
#include <QUrl>

ProgramShowLog::ProgramShowLog(const QString& folder, Opener opener, QObject* parent)
    : QObject(parent)
    , m_writer(std::make_unique<ShowLogWriter>(folder.isEmpty() ? defaultFolder() : folder))
    , m_log(std::make_unique<ShowLog>(*m_writer))
    , m_opener(std::move(opener)) {
    if (!m_opener)
        m_opener = [](const QString& path) {
            QDesktopServices::openUrl(QUrl::fromLocalFile(path));
        };
}

ProgramShowLog::~ProgramShowLog() = default;

QString ProgramShowLog::defaultFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
           QStringLiteral("/logs");
}

void ProgramShowLog::listenTo(PlaybackCommands& commands, BoardMonitor& boards) {
    ShowLog* log = m_log.get();
    connect(&commands, &PlaybackCommands::entryStarted, log, &ShowLog::entryStarted);
    connect(&commands, &PlaybackCommands::stateChanged, log, &ShowLog::stateChanged);
    connect(&boards, &BoardMonitor::boardLost, log, &ShowLog::boardLost);
    connect(&boards, &BoardMonitor::boardBack, log, &ShowLog::boardBack);
}

void ProgramShowLog::listenToRemote(RemoteServer& remote) {
    connect(&remote, &RemoteServer::answered, m_log.get(), &ShowLog::remoteAnswered);
}

void ProgramShowLog::addMenuAction(QMenu& menu) {
    m_openAction = menu.addAction(QString());
    m_openAction->setObjectName(QStringLiteral("showLogAction"));
    connect(m_openAction, &QAction::triggered, this, &ProgramShowLog::openTodaysLog);
    retranslate();
}

void ProgramShowLog::retranslate() {
    if (m_openAction)
        m_openAction->setText(tr("&Protokoll"));
}

void ProgramShowLog::openTodaysLog() {
    m_writer->waitUntilWritten();
    const QString path = m_log->todaysFile();
    if (!QFileInfo::exists(path)) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
            qWarning("cannot create the show log %s", qPrintable(path));
    }
    m_opener(path);
}
