#include "remotecontrolpanel.h"

#include "remotecontroldialog.h"
#include "remoteserver.h"

#include <QAction>
#include <QEvent>

RemoteControlPanel::RemoteControlPanel(RemoteServer& server, QWidget* parent)
    : QLabel(parent)
    , m_server(server) {
    setObjectName(QStringLiteral("remoteStatus"));
    m_dialogAction = new QAction(this);
    m_dialogAction->setObjectName(QStringLiteral("remoteControlAction"));
    m_lockAction = new QAction(this);
    m_lockAction->setObjectName(QStringLiteral("lockRemoteAction"));
    m_lockAction->setCheckable(true);
    connect(m_dialogAction, &QAction::triggered, this, &RemoteControlPanel::showDialog);
    connect(m_lockAction, &QAction::toggled, this, [this](bool locked) {
        m_server.setLocked(locked);
        showState();
    });
    connect(&m_server, &RemoteServer::listeningChanged, this, &RemoteControlPanel::showState);
    connect(&m_server, &RemoteServer::answered, this, &RemoteControlPanel::noteAnswer);
    retranslate();
}

QList<QAction*> RemoteControlPanel::menuActions() const {
    return {m_dialogAction, m_lockAction};
}

void RemoteControlPanel::showDialog() {
    if (!m_dialog) {
        m_dialog = new RemoteControlDialog(m_server, window());
        m_dialog->setAttribute(Qt::WA_DeleteOnClose);
        connect(m_dialog, &RemoteControlDialog::settingsChosen, this,
                [this](const RemoteSettings& settings) {
                    m_settings = settings;
                    emit settingsChosen(settings);
                });
    }
    m_dialog->setSettings(m_settings);
    m_dialog->show();
    m_dialog->raise();
    m_dialog->activateWindow();
}

void RemoteControlPanel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QLabel::changeEvent(event);
}

void RemoteControlPanel::retranslate() {
    m_dialogAction->setText(tr("&Fernsteuerung…"));
    m_lockAction->setText(tr("Fernsteuerung spe&rren"));
    showState();
}

void RemoteControlPanel::noteAnswer(const QString& sender, const QByteArray& name,
                                    const QByteArray& status, const QString& detail) {
    // Questions and subscriptions come often and change nothing: only commands are named.
    if (name == "state" || name == "updates" || name == "connect")
        return;
    m_lastName = name;
    m_lastSender = sender;
    m_lastStatus = status;
    m_lastDetail = detail;
    showState();
}

void RemoteControlPanel::showState() {
    const RemoteServer::Endpoints& endpoints = m_server.endpoints();
    QString text;
    if (!m_server.errorString().isEmpty()) {
        text = tr("Fernsteuerung: %1").arg(m_server.errorString());
    } else if (!m_server.isListening()) {
        setText({});
        setVisible(false);
        return;
    } else if (endpoints.oscPort != 0 && endpoints.textPort != 0) {
        text = tr("Fernsteuerung hört auf Port %1 und Textport %2")
                   .arg(endpoints.oscPort)
                   .arg(endpoints.textPort);
    } else if (endpoints.oscPort != 0) {
        text = tr("Fernsteuerung hört auf Port %1").arg(endpoints.oscPort);
    } else {
        text = tr("Fernsteuerung hört auf Textport %1").arg(endpoints.textPort);
    }
    if (m_server.isLocked())
        text += tr(" (gesperrt)");
    if (!m_lastName.isEmpty()) {
        const QString name = QString::fromLatin1(m_lastName);
        if (m_lastStatus == "ok")
            text += tr(" – zuletzt %1 von %2").arg(name, m_lastSender);
        else
            text += tr(" – %1 von %2 abgelehnt: %3").arg(name, m_lastSender, m_lastDetail);
    }
    setText(text);
    setVisible(true);
}
