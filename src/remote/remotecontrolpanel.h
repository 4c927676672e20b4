#pragma once

#include "remotesettings.h"

#include <QLabel>
#include <QList>
#include <QPointer>

class QAction;
class RemoteControlDialog;
class RemoteServer;

// The remote control on the main window: the menu items "Fernsteuerung…" and "Fernsteuerung
// sperren", and this label in the status line, which says whether the remote listens and
// names the last remote command with its sender.
class RemoteControlPanel final : public QLabel {
    Q_OBJECT

public:
    explicit RemoteControlPanel(RemoteServer& server, QWidget* parent = nullptr);

    // "Fernsteuerung…" and the checkable "Fernsteuerung sperren", for the "Abspielen" menu.
    QList<QAction*> menuActions() const;
    QAction* lockAction() const { return m_lockAction; }
    // The settings the dialog starts from.
    void setSettings(const RemoteSettings& settings) { m_settings = settings; }
    void showDialog();

signals:
    // The operator confirmed the dialog.
    void settingsChosen(const RemoteSettings& settings);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void showState();
    void noteAnswer(const QString& sender, const QByteArray& name, const QByteArray& status,
                    const QString& detail);

    RemoteServer& m_server;
    RemoteSettings m_settings;
    QAction* m_dialogAction = nullptr;
    QAction* m_lockAction = nullptr;
    QPointer<RemoteControlDialog> m_dialog;
    // The last playback command from the remote.
    QByteArray m_lastName;
    QString m_lastSender;
    QByteArray m_lastStatus;
    QString m_lastDetail;
};
