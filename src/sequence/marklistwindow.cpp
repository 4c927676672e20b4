#include "marklistwindow.h"

MarkListWindow::MarkListWindow(QWidget* parent)
    : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("TMark"));
    setWindowTitle(QStringLiteral("Liste Markierung"));
}
