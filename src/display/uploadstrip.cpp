#include "uploadstrip.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QPushButton>

UploadStrip::UploadStrip(QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("UploadStrip"));
    m_uploadButton = new QPushButton(this);
    m_uploadButton->setObjectName(QStringLiteral("AnzeigeSenden"));
    m_cancelButton = new QPushButton(this);
    m_cancelButton->setObjectName(QStringLiteral("abbrechen"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_uploadButton);
    layout->addWidget(m_cancelButton);
    connect(m_uploadButton, &QPushButton::clicked, this, &UploadStrip::uploadRequested);
    connect(m_cancelButton, &QPushButton::clicked, this, &UploadStrip::cancelRequested);
    setOfflineMode(false);
    setPending(false);
    retranslate();
}

void UploadStrip::setOfflineMode(bool offline) {
    setVisible(offline);
}

void UploadStrip::setPending(bool pending) {
    m_uploadButton->setEnabled(!pending);
    m_cancelButton->setEnabled(pending);
}

void UploadStrip::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void UploadStrip::retranslate() {
    m_uploadButton->setText(tr("Senden"));
    m_cancelButton->setText(tr("Abbrechen"));
}
