#include "copyboardwindow.h"

#include <QEvent>

CopyboardWindow::CopyboardWindow(QWidget* parent)
    : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("TCopyboard"));
    retranslate();
    resize(300, 510);
}

void CopyboardWindow::setUpGeometry(int left, int top, int height) {
    move(left, top);
    resize(width(), height > 0 ? height : 1);
}

void CopyboardWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void CopyboardWindow::retranslate() {
    setWindowTitle(tr("Copyboard"));
}
