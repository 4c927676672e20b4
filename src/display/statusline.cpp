#include "statusline.h"

#include <QLabel>

StatusLine::StatusLine(QWidget* parent)
    : QStatusBar(parent) {
    setObjectName(QStringLiteral("StatusBar1"));
    m_boardTrouble = new QLabel(this);
    m_boardTrouble->setObjectName(QStringLiteral("boardTroubleLabel"));
    m_boardTrouble->hide();
    addPermanentWidget(m_boardTrouble);
}

void StatusLine::showBoardTrouble(const QString& text) {
    m_boardTrouble->setText(text);
    m_boardTrouble->setVisible(!text.isEmpty());
}

void StatusLine::showStatus(const QString& text) {
    if (text.isEmpty())
        clearMessage();
    else
        showMessage(text);
}
