#include "aboutwindow.h"

#include <QLabel>
#include <QVBoxLayout>

AboutWindow::AboutWindow(QWidget* parent)
    : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("TKorvel_Information"));
    m_label1 = new QLabel(this);
    m_label1->setObjectName(QStringLiteral("Label1"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_label1);
}

void AboutWindow::setVariantCaptions(const QString& productWords, const QString& captionPrefix) {
    setWindowTitle(productWords + captionPrefix + QStringLiteral("Info"));
    m_label1->setText(productWords + captionPrefix.left(captionPrefix.size() - 2));
}
