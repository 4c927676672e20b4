#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class Clock;
class PlaybackCommands;
class QMenu;
class QStatusBar;
class RemoteControlPanel;
class RemotePlayback;
class RemoteServer;
struct RemoteSettings;

// Composes the remote control: the server that runs the playback commands, its panel in the
// status line with "Fernsteuerung…" and "Fernsteuerung sperren" in the menu, and the settings
// it listens by, stored when the operator changes them.
class ProgramRemote final : public QObject {
    Q_OBJECT

public:
    // offlineMode: whether the program uploads instead of playing live (live commands are
    // refused then).
    ProgramRemote(PlaybackCommands& commands, Clock& clock, std::function<bool()> offlineMode,
                  QMenu& playMenu, QStatusBar& statusLine, QObject* parent = nullptr);
    ~ProgramRemote() override;

    // Once the settings are read: listens as they say, and stores later changes in the file.
    void start(const QString& settingsFile, const RemoteSettings& settings);
    // Listens as the settings say, or stops listening; the dialog starts from them.
    void apply(const RemoteSettings& settings);

    RemoteServer& server() { return *m_server; }

private:
    std::unique_ptr<RemotePlayback> m_target;
    std::unique_ptr<RemoteServer> m_server;
    // Owned by the status line.
    RemoteControlPanel* m_panel = nullptr;
    QString m_settingsFile;
};
