#include "programremote.h"

#include "settings.h"

#include "playback/playbackcommands.h"
#include "remote/remotecontrolpanel.h"
#include "remote/remoteplayback.h"
#include "remote/remoteserver.h"

#include <QMenu>
#include <QStatusBar>

ProgramRemote::ProgramRemote(PlaybackCommands& commands, Clock& clock,
                             std::function<bool()> offlineMode, QMenu& playMenu,
                             QStatusBar& statusLine, QObject* parent)
    : QObject(parent)
    , m_target(std::make_unique<RemotePlayback>(commands, std::move(offlineMode)))
    , m_server(std::make_unique<RemoteServer>(*m_target, clock)) {
    m_panel = new RemoteControlPanel(*m_server);
    statusLine.addPermanentWidget(m_panel);
    playMenu.addSeparator();
    playMenu.addActions(m_panel->menuActions());
    connect(&commands, &PlaybackCommands::stateChanged, m_server.get(),
            &RemoteServer::publishState);
    connect(
        m_panel, &RemoteControlPanel::settingsChosen, this, [this](const RemoteSettings& settings) {
            if (!m_settingsFile.isEmpty() && !SettingsFile(m_settingsFile).writeRemote(settings))
                qWarning("cannot write the settings file %s", qPrintable(m_settingsFile));
            apply(settings);
        });
}

ProgramRemote::~ProgramRemote() = default;

void ProgramRemote::start(const QString& settingsFile, const RemoteSettings& settings) {
    m_settingsFile = settingsFile;
    apply(settings);
}

void ProgramRemote::apply(const RemoteSettings& settings) {
    m_panel->setSettings(settings);
    m_server->setPasscode(settings.passcode.toUtf8());
    if (settings.isOn()) {
        if (!m_server->listen(
                {settings.address, quint16(settings.port), quint16(settings.textPort)}))
            qWarning("remote control: %s", qPrintable(m_server->errorString()));
    } else
        m_server->close();
}
