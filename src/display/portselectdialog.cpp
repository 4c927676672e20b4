#include "portselectdialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

PortSelectDialog::PortSelectDialog(const QStringList& items, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("TComSelectForm"));
    setWindowTitle(QStringLiteral("COM-Port auswählen"));

    auto* frame = new QGroupBox(this);
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->setContentsMargins(6, 4, 6, 4);
    frameLayout->setSpacing(2);
    frameLayout->addWidget(new QLabel(QStringLiteral("Der eingestellte COM-Port ist ungültig!")));
    frameLayout->addWidget(new QLabel(QStringLiteral("Bitte wählen Sie einen anderen aus.")));

    m_ports = new QComboBox(this);
    m_ports->setObjectName(QStringLiteral("PortsComboBox"));
    m_ports->setAccessibleName(QStringLiteral("COM-Port"));
    m_ports->setEditable(false);
    m_ports->addItems(items);
    m_ports->setCurrentIndex(items.isEmpty() ? -1 : 0);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    buttons->addButton(QStringLiteral("Abbruch"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(frame);
    layout->addWidget(m_ports);
    layout->addWidget(buttons);

    // A fixed-size dialog in the middle of the screen, large enough for its fonts.
    const QSize size = sizeHint().expandedTo(QSize(220, 131));
    setFixedSize(size);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

int PortSelectDialog::chosenPort() const {
    const QString item = m_ports->currentText();
    bool ok = false;
    const int number = item.mid(3).toInt(&ok);
    return ok && number > 0 ? number : 0;
}

int PortSelectDialog::choose(const QStringList& items, QWidget* parent) {
    PortSelectDialog dialog(items, parent);
    if (dialog.exec() != QDialog::Accepted)
        return 0;
    return dialog.chosenPort();
}
