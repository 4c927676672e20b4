#include "copyboardwindow.h"

CopyboardWindow::CopyboardWindow(QWidget* parent)
    : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("TCopyboard"));
    setWindowTitle(QStringLiteral("Copyboard"));
    resize(300, 510);
}

void CopyboardWindow::setUpGeometry(int left, int top, int height) {
    move(left, top);
    resize(width(), height > 0 ? height : 1);
}
