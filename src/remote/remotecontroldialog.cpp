#include "remotecontroldialog.h"

#include "remoteserver.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QVBoxLayout>

RemoteControlDialog::RemoteControlDialog(RemoteServer& server, QWidget* parent)
    : QDialog(parent)
    , m_server(server) {
    setObjectName(QStringLiteral("remoteControlDialog"));
    auto* form = new QFormLayout;
    m_port = new QSpinBox;
    m_port->setObjectName(QStringLiteral("remotePort"));
    m_textPort = new QSpinBox;
    m_textPort->setObjectName(QStringLiteral("remoteTextPort"));
    for (QSpinBox* box : {m_port, m_textPort})
        box->setRange(0, 65535);
    m_passcode = new QLineEdit;
    m_passcode->setObjectName(QStringLiteral("remotePasscode"));
    m_passcode->setEchoMode(QLineEdit::PasswordEchoOnEdit);
    m_address = new QLineEdit;
    m_address->setObjectName(QStringLiteral("remoteAddress"));
    m_state = new QLabel;
    m_state->setObjectName(QStringLiteral("remoteState"));
    m_state->setWordWrap(true);
    m_clients = new QListWidget;
    m_clients->setObjectName(QStringLiteral("remoteClients"));
    m_portLabel = new QLabel;
    m_textPortLabel = new QLabel;
    m_passcodeLabel = new QLabel;
    m_addressLabel = new QLabel;
    m_stateLabel = new QLabel;
    m_clientsLabel = new QLabel;
    form->addRow(m_portLabel, m_port);
    form->addRow(m_textPortLabel, m_textPort);
    form->addRow(m_passcodeLabel, m_passcode);
    form->addRow(m_addressLabel, m_address);
    form->addRow(m_stateLabel, m_state);
    form->addRow(m_clientsLabel, m_clients);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        emit settingsChosen(settings());
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(&m_server, &RemoteServer::listeningChanged, this, &RemoteControlDialog::showListening);
    connect(&m_server, &RemoteServer::clientsChanged, this, &RemoteControlDialog::showClients);
    retranslate();
    showClients();
}

void RemoteControlDialog::setSettings(const RemoteSettings& settings) {
    m_port->setValue(settings.port);
    m_textPort->setValue(settings.textPort);
    m_passcode->setText(settings.passcode);
    m_address->setText(settings.address);
    showListening();
    showClients();
}

RemoteSettings RemoteControlDialog::settings() const {
    RemoteSettings settings;
    settings.port = m_port->value();
    settings.textPort = m_textPort->value();
    settings.passcode = m_passcode->text();
    settings.address = m_address->text().trimmed();
    return settings;
}

void RemoteControlDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void RemoteControlDialog::retranslate() {
    setWindowTitle(tr("Fernsteuerung"));
    m_portLabel->setText(tr("OSC-Port (UDP und TCP, 0 = aus):"));
    m_textPortLabel->setText(tr("Textport (UDP, 0 = aus):"));
    m_passcodeLabel->setText(tr("Passwort (leer = keines):"));
    m_addressLabel->setText(tr("Adresse (leer = alle):"));
    m_stateLabel->setText(tr("Zustand:"));
    m_clientsLabel->setText(tr("Verbunden:"));
    showListening();
}

void RemoteControlDialog::showListening() {
    const RemoteServer::Endpoints& endpoints = m_server.endpoints();
    QStringList parts;
    if (m_server.isListening()) {
        const QString address =
            endpoints.address.isEmpty() ? tr("allen Adressen") : endpoints.address;
        if (endpoints.oscPort != 0)
            parts << tr("Hört auf %1, OSC-Port %2.").arg(address).arg(endpoints.oscPort);
        if (endpoints.textPort != 0)
            parts << tr("Hört auf %1, Textport %2.").arg(address).arg(endpoints.textPort);
    } else {
        parts << tr("Aus.");
    }
    if (!m_server.errorString().isEmpty())
        parts << m_server.errorString();
    if (m_server.isLocked())
        parts << tr("Gesperrt.");
    m_state->setText(parts.join(QLatin1Char(' ')));
}

void RemoteControlDialog::showClients() {
    m_clients->clear();
    m_clients->addItems(m_server.clients());
}
