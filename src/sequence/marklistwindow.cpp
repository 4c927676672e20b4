#include "marklistwindow.h"

#include "marklist.h"

#include "platform/windows1252.h"
#include <QEvent>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

MarkListWindow::MarkListWindow(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("TMark"));
    m_delete = new QPushButton;
    m_delete->setObjectName(QStringLiteral("Button5"));
    m_exchange = new QPushButton;
    m_exchange->setObjectName(QStringLiteral("Button7"));
    m_list = new QListWidget;
    m_list->setObjectName(QStringLiteral("Markiert"));
    m_close = new QPushButton;
    m_close->setObjectName(QStringLiteral("Abbrechen"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_delete);
    layout->addWidget(m_exchange);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_close);
    resize(140, 260);

    connect(m_delete, &QPushButton::clicked, this, &MarkListWindow::deleteRequested);
    connect(m_exchange, &QPushButton::clicked, this, &MarkListWindow::exchangeRequested);
    connect(m_close, &QPushButton::clicked, this, &QWidget::hide);
    connect(m_list, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        emit numberClicked(Windows1252::fromUnicode(item->text()));
    });
    retranslate();
}

void MarkListWindow::setMarkList(const MarkList* marks) {
    m_marks = marks;
    refresh();
}

void MarkListWindow::refresh() {
    m_list->clear();
    if (!m_marks)
        return;
    for (const QByteArray& number : m_marks->numbers())
        m_list->addItem(Windows1252::toUnicode(number));
}

void MarkListWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void MarkListWindow::retranslate() {
    setWindowTitle(tr("Markierung"));
    m_delete->setText(tr("Texte löschen"));
    m_exchange->setText(tr("Texte tauschen"));
    m_close->setText(tr("Abbrechen"));
    m_list->setAccessibleName(tr("Markierte Texte"));
}

void MarkListWindow::showAt(const QPoint& screenPosition) {
    move(screenPosition);
    show();
    raise();
}
