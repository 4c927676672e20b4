#pragma once

#include "remotesettings.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QSpinBox;
class RemoteServer;

// "Fernsteuerung": edits the remote control's settings and shows whether it listens and who
// is connected, live. Not modal: the show goes on while it is open.
class RemoteControlDialog final : public QDialog {
    Q_OBJECT

public:
    RemoteControlDialog(RemoteServer& server, QWidget* parent = nullptr);

    void setSettings(const RemoteSettings& settings);
    RemoteSettings settings() const;

signals:
    void settingsChosen(const RemoteSettings& settings);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void showListening();
    void showClients();

    RemoteServer& m_server;
    QLabel* m_portLabel = nullptr;
    QLabel* m_textPortLabel = nullptr;
    QLabel* m_passcodeLabel = nullptr;
    QLabel* m_addressLabel = nullptr;
    QLabel* m_stateLabel = nullptr;
    QLabel* m_clientsLabel = nullptr;
    QSpinBox* m_port = nullptr;
    QSpinBox* m_textPort = nullptr;
    QLineEdit* m_passcode = nullptr;
    QLineEdit* m_address = nullptr;
    QLabel* m_state = nullptr;
    QListWidget* m_clients = nullptr;
};
