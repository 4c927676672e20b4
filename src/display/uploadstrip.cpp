#include "uploadstrip.h"

#include "uploadtexts.h"

#include <QHBoxLayout>
#include <QPushButton>

UploadStrip::UploadStrip(QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("UploadStrip"));
    m_uploadButton = new QPushButton(QStringLiteral("senden"), this);
    m_uploadButton->setObjectName(QStringLiteral("AnzeigeSenden"));
    m_cancelButton = new QPushButton(QStringLiteral("abbrechen"), this);
    m_cancelButton->setObjectName(QStringLiteral("abbrechen"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_uploadButton);
    layout->addWidget(m_cancelButton);
    connect(m_uploadButton, &QPushButton::clicked, this, &UploadStrip::uploadRequested);
    connect(m_cancelButton, &QPushButton::clicked, this, &UploadStrip::cancelRequested);
    setOfflineMode(false);
    setPending(false);
}

void UploadStrip::setOfflineMode(bool offline) {
    setVisible(offline);
}

void UploadStrip::setPending(bool pending) {
    m_uploadButton->setEnabled(!pending);
    m_cancelButton->setEnabled(pending);
}

void UploadStrip::applyLanguage(const QString& languageCode) {
    m_uploadButton->setText(UploadTexts::uploadCaption(languageCode));
    m_cancelButton->setText(UploadTexts::cancelCaption(languageCode));
}
