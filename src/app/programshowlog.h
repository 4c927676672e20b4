#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class BoardMonitor;
class PlaybackCommands;
class RemoteServer;
class QAction;
class QMenu;
class ShowLog;
class ShowLogWriter;

// Composes the show log: the writer in the log folder, the log listening to the playback
// commands and the boards, and "Protokoll" that opens today's file.
class ProgramShowLog final : public QObject {
    Q_OBJECT

public:
    // Opens a file in the system's viewer.
    using Opener = std::function<void(const QString& path)>;

    ProgramShowLog(const QString& folder, Opener opener, QObject* parent = nullptr);
    ~ProgramShowLog() override;

    // The platform's application data folder + "/logs".
    static QString defaultFolder();

    void listenTo(PlaybackCommands& commands, BoardMonitor& boards);
    // Every remote command the remote control refused (denied, badpass, error).
    void listenToRemote(RemoteServer& remote);
    void addMenuAction(QMenu& menu);
    void retranslate();
    // Writes what is queued, makes sure today's file exists and opens it.
    void openTodaysLog();

    ShowLog& log() { return *m_log; }
    ShowLogWriter& writer() { return *m_writer; }
    QAction* openAction() const { return m_openAction; }

private:
    std::unique_ptr<ShowLogWriter> m_writer;
    std::unique_ptr<ShowLog> m_log;
    Opener m_opener;
    QAction* m_openAction = nullptr;
};
